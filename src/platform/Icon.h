#pragma once

#include "platform/Painter.h"
#include "platform/Path.h"
#include "platform/Vec2.h"

#include <functional>

namespace ornival {

// A picture of a fixed size in points that is drawn on demand, at whatever
// resolution the painter's transform gives, by its handler. The handler gets
// the painter and the rect to fill and reports whether it drew.
class Icon {
public:
  using Handler = std::function<bool(Painter&, const Rect&)>;

  Icon(Vec2 size, Handler handler);

  Vec2 size() const { return size_; }

  bool draw(Painter& painter, const Rect& rect) const;

private:
  Vec2 size_;
  Handler handler_;
};

}  // namespace ornival
