// Replays a fuzz target's seed corpus as a plain test, so every build runs the targets whatever the compiler.

#include <QDir>
#include <QFile>
#include <QTest>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

class TestFuzzReplay : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void seed_keepsTheTargetsInvariants_data() {
        QTest::addColumn<QString>("path");
        const QDir corpus(QStringLiteral(FUZZ_CORPUS));
        const QStringList seeds = corpus.entryList(QDir::Files, QDir::Name);
        QVERIFY2(!seeds.isEmpty(), FUZZ_CORPUS);
        for (const QString &seed : seeds) {
            QTest::newRow(qPrintable(seed)) << corpus.filePath(seed);
        }
    }
    void seed_keepsTheTargetsInvariants() {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        // A broken invariant aborts the run with its description.
        QCOMPARE(LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                                        static_cast<std::size_t>(bytes.size())),
                 0);
    }
};

QTEST_GUILESS_MAIN(TestFuzzReplay)
#include "fuzzreplay.moc"
