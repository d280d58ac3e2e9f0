#include "sizedfilesiconengine.h"

#include <QApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <utility>

SizedFilesIconEngine::SizedFilesIconEngine(QMap<int, QString> files, QList<int> offered)
    : m_files(std::move(files)), m_offered(std::move(offered)) {}

int SizedFilesIconEngine::fileEdgeFor(int edge) const {
    const auto atLeast = m_files.lowerBound(edge);
    return atLeast != m_files.end() ? atLeast.key() : m_files.lastKey();
}

QPixmap SizedFilesIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) {
    if (m_files.isEmpty() || size.isEmpty()) {
        return {};
    }
    const int fileEdge = fileEdgeFor(qMax(size.width(), size.height()));
    auto decoded = m_decoded.find(fileEdge);
    if (decoded == m_decoded.end()) {
        // Read in the format its suffix names, by Qt's own decoder: to guess it, Qt would load every image plugin
        // and ask each.
        const QString file = m_files.value(fileEdge);
        QImageReader reader(file, QFileInfo(file).suffix().toLatin1());
        reader.setAutoDetectImageFormat(false);
        decoded = m_decoded.insert(fileEdge, QPixmap::fromImage(reader.read()));
    }
    QPixmap result = *decoded;
    if (result.isNull()) {
        return result;
    }
    const QSize fitted = actualSize(size, mode, state);
    if (result.size() != fitted) {
        result = result.scaled(fitted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    if (mode != QIcon::Normal && qobject_cast<QApplication *>(QCoreApplication::instance()) != nullptr) {
        QStyleOption option;
        option.palette = QApplication::palette();
        result = QApplication::style()->generatedIconPixmap(mode, result, &option);
    }
    return result;
}

void SizedFilesIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) {
    const qreal ratio = painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap drawn = pixmap(rect.size() * ratio, mode, state);
    drawn.setDevicePixelRatio(ratio);
    const QSize shown = drawn.deviceIndependentSize().toSize();
    painter->drawPixmap(
        QRect(rect.topLeft() + QPoint((rect.width() - shown.width()) / 2, (rect.height() - shown.height()) / 2), shown),
        drawn);
}

QSize SizedFilesIconEngine::actualSize(const QSize &size, QIcon::Mode, QIcon::State) {
    if (m_files.isEmpty()) {
        return {};
    }
    // The pictures are square; a larger one is scaled down, a smaller one never up.
    const int edge = qMin(qMin(size.width(), size.height()), fileEdgeFor(qMax(size.width(), size.height())));
    return {edge, edge};
}

QList<QSize> SizedFilesIconEngine::availableSizes(QIcon::Mode, QIcon::State) {
    QList<QSize> sizes;
    for (const int edge : std::as_const(m_offered)) {
        sizes << QSize(edge, edge);
    }
    return sizes;
}

QIconEngine *SizedFilesIconEngine::clone() const {
    return new SizedFilesIconEngine(*this);
}

QString SizedFilesIconEngine::key() const {
    return QStringLiteral("SizedFilesIconEngine");
}
