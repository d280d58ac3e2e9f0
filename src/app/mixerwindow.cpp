#include "mixerwindow.h"

#include "mixsource.h"
#include "player.h"
#include "stylelibrary.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include <stdexcept>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// Room for a few rows before the list scrolls.
constexpr int VisibleRows = 8;

QString withoutMnemonic(QString text) {
    return text.replace(u'&', u"&&"_s);
}

} // namespace

MixerWindow::MixerWindow(Player &player, QString programFolder, std::function<QString()> playingStyle, QWidget *parent)
    : QWidget(parent, Qt::Window), m_player(player), m_programFolder(std::move(programFolder)),
      m_playingStyle(std::move(playingStyle)) {
    setObjectName(u"MixerWindow"_s);
    setWindowTitle(tr("Mixer"));
    setAccessibleName(tr("Mixer"));

    auto *nameLabel = new QLabel(tr("Mix &name:"), this);
    m_name = new QComboBox(this);
    m_name->setObjectName(u"MixName"_s);
    m_name->setEditable(true);
    m_name->setInsertPolicy(QComboBox::NoInsert);
    m_name->setAccessibleName(tr("Mix name"));
    m_name->setAccessibleDescription(tr("Choose a mix to change it, or type a new name"));
    nameLabel->setBuddy(m_name);
    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(m_name, 1);

    auto *rows = new QWidget;
    m_grid = new QGridLayout(rows);
    auto *scroll = new QScrollArea(this);
    scroll->setWidget(rows);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setMinimumHeight(VisibleRows * fontMetrics().height() * 2);

    m_message = new QLabel(this);
    m_message->setObjectName(u"MixMessage"_s);
    m_message->setWordWrap(true);
    m_message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_message->setAccessibleName(tr("Outcome"));

    m_save = new QPushButton(tr("&Save"), this);
    m_save->setObjectName(u"MixSave"_s);
    m_save->setAccessibleDescription(tr("Saves the mix under the name given"));
    // Deleting asks nothing: the caption says what the click does.
    m_delete = new QPushButton(tr("&Delete Mix"), this);
    m_delete->setObjectName(u"MixDelete"_s);
    m_delete->setAccessibleDescription(tr("Deletes the mix's file at once"));
    m_close = new QPushButton(tr("&Close"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_save);
    buttons->addWidget(m_delete);
    buttons->addWidget(m_close);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(nameRow);
    layout->addWidget(scroll, 1);
    layout->addWidget(m_message);
    layout->addLayout(buttons);

    connect(m_name, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0 && !m_loading) {
            load(m_name->itemText(index));
        }
    });
    connect(m_save, &QPushButton::clicked, this, &MixerWindow::save);
    connect(m_delete, &QPushButton::clicked, this, &MixerWindow::remove);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
}

// The window is closed only once this part of it is gone, and the name's field then loses the keyboard: a name typed
// there would load a mix into rows already deleted.
MixerWindow::~MixerWindow() {
    m_name->disconnect(this);
}

void MixerWindow::showMixer() {
    relist();
    show();
    raise();
    activateWindow();
}

void MixerWindow::relist() {
    const QString typed = m_name->currentText();
    const QStringList mixes = Mix::namesIn(Mix::folder());
    QHash<QString, std::pair<bool, int>> former;
    for (const Row &row : std::as_const(m_rows)) {
        former.insert(row.style, {row.box->isChecked(), row.volume->value()});
        delete row.box;
        delete row.volume;
    }
    m_rows.clear();
    m_files.clear();
    QWidget *previous = m_name;
    for (const QString &style : StyleLibrary::listedStyles(m_programFolder)) {
        if (mixes.contains(style)) {
            continue;
        }
        m_files.insert(style, StyleLibrary::styleFile(m_programFolder, style));
        const auto [checked, volume] = former.value(style, {false, Mix::MaxVolume});
        auto *box = new QCheckBox(withoutMnemonic(style));
        box->setAccessibleName(style);
        box->setChecked(checked);
        auto *slider = new QSlider(Qt::Horizontal);
        slider->setRange(0, Mix::MaxVolume);
        slider->setPageStep(10);
        slider->setValue(volume);
        slider->setEnabled(checked);
        slider->setAccessibleName(tr("Volume of %1").arg(style));
        m_grid->addWidget(box, int(m_rows.size()), 0);
        m_grid->addWidget(slider, int(m_rows.size()), 1);
        setTabOrder(previous, box);
        setTabOrder(box, slider);
        previous = slider;
        m_rows << Row{style, box, slider};
        connect(box, &QCheckBox::toggled, this, &MixerWindow::changed);
        connect(slider, &QSlider::valueChanged, this, &MixerWindow::changed);
    }
    setTabOrder(previous, m_save);
    setTabOrder(m_save, m_delete);
    setTabOrder(m_delete, m_close);
    for (const Mix::Layer &layer : std::as_const(m_loaded)) {
        if (!m_files.contains(layer.sound) && !mixes.contains(layer.sound)) {
            m_files.insert(layer.sound, StyleLibrary::styleFile(m_programFolder, layer.sound));
        }
    }
    const QSignalBlocker quiet(m_name);
    m_name->clear();
    m_name->addItems(mixes);
    m_name->setCurrentIndex(-1);
    m_name->setEditText(typed);
}

void MixerWindow::load(const QString &name) {
    QString why;
    const std::optional<Mix> mix = Mix::read(Mix::fileOf(Mix::folder(), name), &why);
    m_loaded = mix ? mix->layers : QList<Mix::Layer>{};
    m_loading = true;
    for (const Row &row : std::as_const(m_rows)) {
        const auto layer = std::find_if(m_loaded.cbegin(), m_loaded.cend(),
                                        [&row](const Mix::Layer &layer) { return layer.sound == row.style; });
        row.box->setChecked(layer != m_loaded.cend());
        row.volume->setValue(layer != m_loaded.cend() ? layer->volume : Mix::MaxVolume);
        row.volume->setEnabled(row.box->isChecked());
    }
    m_loading = false;
    m_name->setEditText(name);
    tell(mix ? QString() : tr("The mix \"%1\" cannot be read: %2").arg(name, why));
    // Edits not saved are undone in what plays too.
    changed();
}

Mix MixerWindow::edited() const {
    const auto rowOf = [this](const QString &style) {
        return std::find_if(m_rows.cbegin(), m_rows.cend(), [&style](const Row &row) { return row.style == style; });
    };
    Mix mix;
    for (const Mix::Layer &layer : m_loaded) {
        if (const auto row = rowOf(layer.sound); row == m_rows.cend()) {
            // A sound that is not listed now (its file gone) stays in the mix as it was.
            mix.layers << layer;
        } else if (row->box->isChecked()) {
            mix.layers << Mix::Layer{layer.sound, row->volume->value()};
        }
    }
    for (const Row &row : m_rows) {
        const bool loaded = std::any_of(m_loaded.cbegin(), m_loaded.cend(),
                                        [&row](const Mix::Layer &layer) { return layer.sound == row.style; });
        if (row.box->isChecked() && !loaded) {
            mix.layers << Mix::Layer{row.style, row.volume->value()};
        }
    }
    return mix;
}

bool MixerWindow::save() {
    const Mix mix = edited();
    const QString name = this->name();
    QString why;
    if (m_files.contains(name)) {
        why = tr("\"%1\" is the name of a sound: a mix needs a name of its own.").arg(name);
    } else if (mix.write(Mix::fileOf(Mix::folder(), name), name, Mix::namesIn(Mix::folder()), &why)) {
        m_loaded = mix.layers;
        relist();
        m_name->setEditText(name);
        tell(tr("The mix \"%1\" is saved.").arg(name));
        return true;
    }
    tell(why);
    return false;
}

bool MixerWindow::remove() {
    const QString name = this->name();
    if (name.isEmpty() || !Mix::namesIn(Mix::folder()).contains(name)) {
        tell(tr("There is no saved mix called \"%1\".").arg(name));
        return false;
    }
    if (!QFile::remove(Mix::fileOf(Mix::folder(), name))) {
        tell(tr("The mix \"%1\" cannot be deleted.").arg(name));
        return false;
    }
    m_loaded.clear();
    relist();
    m_name->setEditText(QString());
    tell(tr("The mix \"%1\" is deleted.").arg(name));
    return true;
}

QString MixerWindow::message() const {
    return m_message->text();
}

QString MixerWindow::name() const {
    return m_name->currentText().trimmed();
}

void MixerWindow::tell(const QString &text) {
    m_message->setText(text);
}

// What plays follows the boxes and sliders while the mix being edited is the one playing.
void MixerWindow::changed() {
    if (m_loading) {
        return;
    }
    for (const Row &row : std::as_const(m_rows)) {
        row.volume->setEnabled(row.box->isChecked());
    }
    const Mix mix = edited();
    if (m_playingStyle() != name() || m_player.playState() != Player::Playing || !mix.problem(name(), {}).isEmpty()) {
        return;
    }
    QList<MixSource::Layer> layers;
    for (const Mix::Layer &layer : mix.layers) {
        if (m_files.contains(layer.sound)) {
            layers << MixSource::Layer{m_files.value(layer.sound), layer.volume};
        }
    }
    try {
        m_player.setMixLayers(MixSource::sourceOf(layers));
    } catch (const std::exception &error) {
        tell(QString::fromLocal8Bit(error.what()));
    }
}
