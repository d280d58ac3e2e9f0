#include "layoutmirror.h"

#include <QWidget>

namespace LayoutMirror {

void mirrorChildren(QWidget *parent) {
    for (QWidget *child : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow()) {
            child->move(parent->width() - child->x() - child->width(), child->y());
        }
    }
}

} // namespace LayoutMirror
