#pragma once

#include <QBrush>
#include <QHeaderView>
#include <QList>
#include <QStringList>

// A horizontal header with a row of band captions above the column captions. A band spans the
// visible columns that belong to it and sit side by side.
class BandedHeaderView final : public QHeaderView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BandedHeaderView)

public:
    explicit BandedHeaderView(QWidget* parent = nullptr);

    // The band caption of every band, and the band of every column (by logical index).
    void SetBands(const QStringList& captions, const QList<int>& bandOfColumn);
    bool HasBands() const { return !m_captions.isEmpty(); }
    int BandRowHeight() const;
    // The rectangle of a band's caption in viewport coordinates; empty when no visible column
    // of the band is shown.
    QRect BandRect(int band) const;

    // The header picture of the alternative look; a brush with no style restores the style's
    // own header drawing.
    void SetHeaderBrush(const QBrush& brush);
    QBrush HeaderBrush() const { return m_brush; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void PaintCell(QPainter* painter, const QRect& rect, const QString& text,
                   Qt::Alignment alignment, int logicalIndex) const;
    int BaseHeight() const;

    QStringList m_captions;
    QList<int> m_bandOfColumn;
    QBrush m_brush;
};
