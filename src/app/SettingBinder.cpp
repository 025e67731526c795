#include "app/SettingBinder.h"

#include "app/ColorWell.h"

#include <QAbstractSlider>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

#include <cmath>

namespace ornival {

double numberOf(const SettingValue& value) {
  if (const double* v = std::get_if<double>(&value))
    return *v;
  if (const int* v = std::get_if<int>(&value))
    return *v;
  if (const bool* v = std::get_if<bool>(&value))
    return *v ? 1.0 : 0.0;
  if (const CrossingStatus* v = std::get_if<CrossingStatus>(&value))
    return double(int(*v));
  return 0.0;
}

SettingBinder::SettingBinder(Perform perform, std::function<void(bool)> gesture)
    : perform_(std::move(perform)), gesture_(std::move(gesture)) {}

SettingBinder::~SettingBinder() { setDocument(nullptr); }

void SettingBinder::setDocument(std::shared_ptr<Document> document) {
  if (document == document_)
    return;
  endDrag();
  if (document_ && observer_)
    document_->removeObserver(observer_);
  observer_ = 0;
  document_ = std::move(document);
  if (!document_)
    return;
  // Settings push others along (the export size, say), and counts change
  // without a notice of their own: every notice shows every control again.
  observer_ = document_->addObserver("", [this](std::string_view, Document::ChangePhase phase) {
    if (phase != Document::ChangePhase::after)
      return;
    refresh();
    if (changed)
      changed();
  });
  refresh();
}

void SettingBinder::refresh() {
  if (!document_)
    return;
  for (const Binding& binding : bindings_)
    if (const auto value = document_->value(binding.key))
      binding.show(*value);
}

void SettingBinder::setShownNumber(const std::string& key, std::function<double(double)> shown) {
  shown_[key] = std::move(shown);
  refresh();
}

double SettingBinder::shownNumber(const std::string& key, const SettingValue& value) const {
  const auto shown = shown_.find(key);
  return shown == shown_.end() ? numberOf(value) : shown->second(numberOf(value));
}

void SettingBinder::set(const std::string& key, const SettingValue& value) {
  if (!document_)
    return;
  const auto document = document_;
  perform_([&] { document->setValue(key, value); });
  // A refused value shows the setting as it stayed.
  refresh();
}

void SettingBinder::change(const std::function<void(Document&)>& body) {
  if (!document_)
    return;
  const auto document = document_;
  perform_([&] { body(*document); });
}

void SettingBinder::endDrag() {
  if (dragging_ && gesture_)
    gesture_(false);
  dragging_ = false;
}

void SettingBinder::add(std::string key, std::function<void(const SettingValue&)> show) {
  bindings_.push_back({std::move(key), std::move(show)});
  if (document_)
    if (const auto value = document_->value(bindings_.back().key))
      bindings_.back().show(*value);
}

void SettingBinder::bind(QDoubleSpinBox* box, std::string key) {
  QObject::connect(box, &QDoubleSpinBox::valueChanged, box, [this, key](double v) { set(key, v); });
  add(key, [this, box, key](const SettingValue& value) {
    const QSignalBlocker block(box);
    box->setValue(shownNumber(key, value));
  });
}

void SettingBinder::bind(QSpinBox* box, std::string key) {
  QObject::connect(box, &QSpinBox::valueChanged, box, [this, key](int v) { set(key, v); });
  add(std::move(key), [box](const SettingValue& value) {
    const QSignalBlocker block(box);
    box->setValue(int(std::lround(numberOf(value))));
  });
}

void SettingBinder::bind(QAbstractSlider* slider, std::string key, double unit) {
  QObject::connect(slider, &QAbstractSlider::valueChanged, slider,
                   [this, key, unit](int v) { set(key, double(v) * unit); });
  QObject::connect(slider, &QAbstractSlider::sliderPressed, slider, [this] {
    endDrag();
    if (document_ && gesture_) {
      gesture_(true);
      dragging_ = true;
    }
  });
  QObject::connect(slider, &QAbstractSlider::sliderReleased, slider, [this] { endDrag(); });
  add(key, [this, slider, unit, key](const SettingValue& value) {
    if (slider->isSliderDown())
      return;
    const QSignalBlocker block(slider);
    slider->setValue(int(std::lround(shownNumber(key, value) / unit)));
  });
}

void SettingBinder::bind(QCheckBox* box, std::string key) {
  QObject::connect(box, &QCheckBox::toggled, box, [this, key](bool on) { set(key, on); });
  add(std::move(key), [box](const SettingValue& value) {
    const QSignalBlocker block(box);
    box->setChecked(numberOf(value) != 0.0);
  });
}

void SettingBinder::bind(QComboBox* box, std::string key) {
  QObject::connect(box, &QComboBox::currentIndexChanged, box, [this, key](int index) {
    if (index >= 0)
      set(key, index);
  });
  add(std::move(key), [box](const SettingValue& value) {
    const QSignalBlocker block(box);
    box->setCurrentIndex(int(std::lround(numberOf(value))));
  });
}

void SettingBinder::bind(ColorWell* well, std::string key) {
  QObject::connect(well, &ColorWell::colorPicked, well, [this, key](const Color& color) { set(key, color); });
  add(std::move(key), [well](const SettingValue& value) {
    if (const Color* color = std::get_if<Color>(&value))
      well->setColor(*color);
  });
}

void SettingBinder::bind(QLabel* label, std::string key) {
  add(std::move(key), [label](const SettingValue& value) {
    label->setText(QString::fromStdString(std::to_string(std::lround(numberOf(value)))));
  });
}

}  // namespace ornival
