#pragma once

// The Qt side of a view: its widget, its backing image and its drawing state.

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <memory>
#include <optional>

#include "View.h"

struct BView::Data {
    BView* view;
    std::unique_ptr<QWidget> widget;
    QImage image;
    std::unique_ptr<QPainter> painter; // open between screen updates
    bool redrawing = false;

    QColor viewColor = Qt::white;
    QColor high = Qt::black;
    qreal penSize = 1;
    drawing_mode mode = B_OP_COPY;
    QPointF pen;
    QFont font;
    QFont aliasedFont;
    std::optional<QFontMetricsF> metrics;

    explicit Data(BView* owner)
        : view(owner)
    {
        font.setFamily(QStringLiteral("DejaVu Sans"));
        font.setHintingPreference(QFont::PreferNoHinting);
        SetFontSize(12);
    }

    void SetFontSize(float size)
    {
        font.setPixelSize(std::max(1, qRound(size)));
        aliasedFont = font;
        aliasedFont.setStyleStrategy(QFont::NoAntialias);
        metrics.emplace(font);
    }

    void EndPainting() { painter.reset(); }
    void EnsureImage();
    void Redraw(qreal dpr);
    QPainter& Painter();
    QPainter& StrokePainter();
    void Dirty(const QRectF& area);
};
