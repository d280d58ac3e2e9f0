#include "controlvalues.h"

#include <QComboBox>
#include <QDateTimeEdit>
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
    if (!value.isValid() || value < picker->minimumDateTime() || value > picker->maximumDateTime()) {
        refuse();
    }
    picker->setDateTime(value);
}

} // namespace ControlValues
