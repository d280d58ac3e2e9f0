#pragma once

#include <QList>
#include <QObject>
#include <QString>

/// One of the sound server's outputs: its stable name, which the server keeps across restarts (a PulseAudio sink's
/// name), and the description that people read.
struct OutputDevice {
    QString name;
    QString description;

    bool operator==(const OutputDevice &) const = default;
};

/// The sound server's outputs, as they come and go.
class OutputDevices : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OutputDevices)

public:
    using QObject::QObject;
    ~OutputDevices() override = default;

    /// Begins watching the outputs without waiting on the server; harmless while watching. The list arrives later,
    /// told by changed().
    virtual void watch() = 0;
    /// Whether the list has been read since watch(); until then it is empty for want of knowing.
    virtual bool isKnown() const = 0;
    /// The outputs in the server's order; empty while no server answers.
    virtual QList<OutputDevice> devices() const = 0;

Q_SIGNALS:
    /// The list was read, or an output came or went.
    void changed();
};
