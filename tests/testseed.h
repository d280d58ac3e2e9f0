#pragma once

#include <QRandomGenerator>
#include <QtGlobal>

/// The seed of a randomised test: SOMNIVOX_TEST_SEED when it is set, otherwise \a fallback. Printed, so that a
/// failing run can be repeated.
inline quint32 testSeed(quint32 fallback) {
    bool set = false;
    const quint32 fromEnvironment = qEnvironmentVariable("SOMNIVOX_TEST_SEED").toUInt(&set);
    const quint32 seed = set ? fromEnvironment : fallback;
    qInfo("random seed %u; SOMNIVOX_TEST_SEED=%u repeats this run", seed, seed);
    return seed;
}
