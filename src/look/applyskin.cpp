#include "applyskin.h"

#include "regularfile.h"
#include "skinframework.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 MaxHiddenListBytes = 1024 * 1024;

// File managers hide the names listed, one a line, in a folder's ".hidden" file.
bool listedAsHidden(const QFileInfo &file) {
    const std::optional<QByteArray> list = readRegularFile(file.dir().filePath(u".hidden"_s), MaxHiddenListBytes);
    if (!list) {
        return false;
    }
    for (QByteArray line : list->split('\n')) {
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        if (QString::fromUtf8(line) == file.fileName()) {
            return true;
        }
    }
    return false;
}

bool isOrdinaryFile(const QString &path) {
    const QFileInfo file(path);
    return file.isFile() && !file.isHidden() && !listedAsHidden(file);
}

// The text goes with the face: a box the window made white carries dark text, which a dark theme's face would hide.
void fillWithButtonFace(QWidget *widget) {
    const QPalette theme = QApplication::palette();
    QPalette palette = widget->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, theme.color(group, QPalette::Button));
        palette.setColor(group, QPalette::WindowText, theme.color(group, QPalette::ButtonText));
        palette.setColor(group, QPalette::Base, theme.color(group, QPalette::Base));
        palette.setColor(group, QPalette::Text, theme.color(group, QPalette::Text));
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

bool takesButtonFace(const QWidget *control) {
    return qobject_cast<const QRadioButton *>(control) != nullptr ||
           qobject_cast<const QCheckBox *>(control) != nullptr || qobject_cast<const QGroupBox *>(control) != nullptr ||
           qobject_cast<const QLabel *>(control) != nullptr;
}

} // namespace

void ApplySkin(QWidget *window, const QList<QWidget *> &controlsInOrder, SkinFramework &skin,
               const QString &programFolder) {
    const QString skinFile = QDir(programFolder).filePath(u"x/o.cjs"_s);
    if (!isOrdinaryFile(skinFile)) {
        return;
    }

    fillWithButtonFace(window);
    for (QWidget *control : controlsInOrder) {
        if (takesButtonFace(control)) {
            fillWithButtonFace(control);
        }
    }

    skin.LoadSkin(skinFile, QString());
    skin.setApplyOptions(skin.ApplyOptions() | 1);
    skin.setOptionA(true);
    skin.setOptionB(true);
    skin.ApplyWindow(window);
}
