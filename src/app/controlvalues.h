#pragma once

#include <QDateTime>

class QComboBox;
class QDateTimeEdit;
class QSlider;

/// Assignments to controls that refuse a value they cannot hold, as the handlers expect of them, instead of
/// silently clamping or ignoring it. A refused value throws std::runtime_error("Invalid property value").
namespace ControlValues {

void setListIndex(QComboBox *list, int index);
void setPosition(QSlider *slider, int position);
void setDateTime(QDateTimeEdit *picker, const QDateTime &value);

} // namespace ControlValues
