#include "controlvalues.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QSignalBlocker>
#include <QSlider>

#include <stdexcept>

namespace ControlValues {

namespace {
[[noreturn]] void refuse() {
    throw std::runtime_error("Invalid property value");
}
} // namespace

void setListIndex(QComboBox *list, int index) {
    if (index < 0 || index >= list->count()) {
        refuse();
    }
    list->setCurrentIndex(index);
}

void setPosition(QSlider *slider, int position) {
    if (position < slider->minimum() || position > slider->maximum()) {
        refuse();
    }
    slider->setValue(position);
}

void setDateTime(QDateTimeEdit *picker, const QDateTime &value) {
    const QDateTime earliest(QDate(100, 1, 1), QTime(0, 0));
    const QDateTime latest(QDate(9999, 12, 31), QTime(23, 59, 59));
    if (!value.isValid() || value < earliest || value > latest) {
        refuse();
    }
    // A picker that shows only the time narrows its range to the date of each value it is given, first clamping
    // the value it holds into that range. The steps stay quiet; the handler hears only the value given.
    const QDateTime before = picker->dateTime();
    {
        const QSignalBlocker quiet(picker);
        picker->setDateTimeRange(earliest, latest);
        picker->setDateTime(value);
    }
    if (picker->dateTime() != before) {
        Q_EMIT picker->dateTimeChanged(picker->dateTime());
    }
}

} // namespace ControlValues
