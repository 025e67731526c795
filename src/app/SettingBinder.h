#pragma once

#include "document/Document.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QAbstractSlider;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;

namespace ornival {

class ColorWell;

// Binds controls to the document's settings by name, both ways: a control
// the user moves sets the setting, as one user event; a setting that
// changes, by undo say, shows in its controls. Bound to no document, the
// controls keep what they show and change nothing.
class SettingBinder {
public:
  // Runs a change of the document as one user event (one undo group).
  using Perform = std::function<void(const std::function<void()>&)>;
  // gesture(true) opens a user event that lasts until gesture(false).
  explicit SettingBinder(Perform perform, std::function<void(bool begin)> gesture = {});
  ~SettingBinder();
  SettingBinder(const SettingBinder&) = delete;
  SettingBinder& operator=(const SettingBinder&) = delete;

  void setDocument(std::shared_ptr<Document> document);
  const std::shared_ptr<Document>& document() const { return document_; }

  void bind(QDoubleSpinBox* box, std::string key);
  void bind(QSpinBox* box, std::string key);
  // A slider moves in steps of unit; a drag is one user event from press to
  // release.
  void bind(QAbstractSlider* slider, std::string key, double unit);
  void bind(QCheckBox* box, std::string key);
  // The setting is the index of the chosen entry (crossings: off, on,
  // alternate).
  void bind(QComboBox* box, std::string key);
  void bind(ColorWell* well, std::string key);
  // Read-only: the setting's number as text.
  void bind(QLabel* label, std::string key);

  // Shows every setting in its controls again.
  void refresh();
  // The number the controls of key show for a value of the setting (an
  // angle folded into the controls' range, say); the value itself unless
  // set.
  void setShownNumber(const std::string& key, std::function<double(double)> shown);
  // Called after the document changed while bound.
  std::function<void()> changed;
  // Sets a setting as one user event; nothing without a document.
  void set(const std::string& key, const SettingValue& value);
  // Any change of the document as one user event; nothing without one.
  void change(const std::function<void(Document&)>& body);

private:
  struct Binding {
    std::string key;
    std::function<void(const SettingValue&)> show;
  };
  void add(std::string key, std::function<void(const SettingValue&)> show);

  void endDrag();
  double shownNumber(const std::string& key, const SettingValue& value) const;

  Perform perform_;
  std::function<void(bool)> gesture_;
  std::shared_ptr<Document> document_;
  Document::ObserverId observer_ = 0;
  std::vector<Binding> bindings_;
  std::map<std::string, std::function<double(double)>> shown_;
  bool dragging_ = false;
};

double numberOf(const SettingValue& value);

}  // namespace ornival
