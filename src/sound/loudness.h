#pragma once

#include <QtGlobal>

/// How loud a sound is heard over its whole length (EBU R128 integrated loudness) and how high its waveform reaches
/// between the samples (its true peak), and the gain that brings it to the program's one loudness.
struct Loudness {
    /// The old "Pink Noise" loop's integrated loudness, which every sound is brought to, so that the default noises
    /// sound as loud as they always did at the same volume.
    static constexpr double TargetLufs = -13.85;

    /// Loudness units relative to full scale.
    double lufs = TargetLufs;
    /// Linear, 1.0 at full scale.
    double truePeak = 1.0;

    /// The gain that brings a sound of \a lufs to TargetLufs; 1.0 for a silent sound.
    static double gainFrom(double lufs);
    /// gainFrom() this loudness, but never beyond what takes its true peak to full scale: a sound that cannot be raised
    /// that far stays quieter rather than clip.
    double gain() const;
    /// Whether both figures can be those of a sound: a finite loudness and a positive, finite peak.
    bool isValid() const;
};
