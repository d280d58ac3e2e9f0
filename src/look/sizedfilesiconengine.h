#pragma once

#include <QHash>
#include <QIconEngine>
#include <QMap>

/// An icon drawn from one picture file per size, each decoded only when a pixmap at or near its size is first
/// asked for. It offers only the sizes it is told to, so that a window manager, which is handed every offered size,
/// gets the small ones; any other size is drawn from the nearest file at least as large.
class SizedFilesIconEngine : public QIconEngine {
public:
    /// files: the picture of each edge length; offered: the edges availableSizes() names.
    SizedFilesIconEngine(QMap<int, QString> files, QList<int> offered);

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;
    QString key() const override;
    bool isNull() override { return m_files.isEmpty(); }

private:
    int fileEdgeFor(int edge) const;

    QMap<int, QString> m_files;
    QList<int> m_offered;
    QHash<int, QPixmap> m_decoded;
};
