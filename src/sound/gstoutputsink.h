#pragma once

#include <gst/gst.h>

#include <QString>

/// The player's audio output as the desktop sees it: which sink plays by default, what the stream tells the sound
/// server about itself, and whether a sink plays at all.
namespace GstOutputSink {

/// The sink for PulseAudio and PipeWire's pulse server.
inline const QString Pulse = QStringLiteral("pulsesink");
/// How much audio a sound server asks for at a time, in microseconds, and how much it holds ahead: four requests.
/// A noise loop needs no low latency: the server asks for audio once in three seconds, and the program wakes some 4
/// times a second, against some 8 at a second a request and some 350 at the default 10 ms. The server keeps its own
/// wakeups few only while it holds at least three requests' worth: at two it wakes some 2000 times a second.
inline constexpr gint64 ServerRequestUs = 3000000;
inline constexpr gint64 ServerHoldsUs = 4 * ServerRequestUs;

/// Initialises GStreamer once; throws std::runtime_error when it cannot start. Unless the user has set GStreamer's
/// plugin or registry paths, only the plugins that the program plays through are registered at first.
void initGStreamer();
/// Registers every installed plugin, for a sink that names other elements; false when all are registered already.
bool registerEveryPlugin();
/// Pulse where GStreamer has the pulse plugin, else `autoaudiosink`.
QString defaultDescription();
/// Gives every pulse sink inside \a sink the program's client name and stream properties (application name, id and
/// icon, media role), before the sink opens.
void nameStream(GstElement *sink);
/// Points every pulse sink inside \a sink at the server's sink named \a device, the server's default for an empty
/// one; taken when the sink next makes its stream.
void setDevice(GstElement *sink, const QByteArray &device);
/// True when \a sink plays each buffer when its time comes, rather than keeping audio ahead in a device's buffer as
/// an audio sink does.
bool playsEachBufferOnTime(GstElement *sink);
/// True when \a sink, once open, plays into a fake sink: autoaudiosink's choice when no device answers.
bool isFake(GstElement *sink);
/// True when opening, starting or closing \a sink may wait on something outside the program: it plays into an audio
/// device or a sound server.
bool mayWait(GstElement *sink);

} // namespace GstOutputSink
