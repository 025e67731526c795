#pragma once

namespace ornival {

// What long work asks and tells as it goes: whether it should stop, and how
// far it has come. The work checks shouldStop where stopping leaves nothing
// half done, and gives up when told. Any thread.
class Progress {
public:
  virtual ~Progress() = default;
  virtual bool shouldStop() const = 0;
  // The fraction done, 0 to 1.
  virtual void report(double fraction) = 0;

  // Work that nobody watches and nothing stops.
  static Progress& none();
};

// A stretch of a larger work: its own 0 to 1 reported as [from, to] of the
// whole, stopping when the whole does.
class ProgressStage final : public Progress {
public:
  ProgressStage(Progress& whole, double from, double to) : whole_(whole), from_(from), to_(to) {}
  bool shouldStop() const override { return whole_.shouldStop(); }
  void report(double fraction) override { whole_.report(from_ + (to_ - from_) * fraction); }

private:
  Progress& whole_;
  double from_;
  double to_;
};

}  // namespace ornival
