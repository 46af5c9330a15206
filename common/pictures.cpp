#include "common/pictures.h"

#include <QPainter>
#include <QRadialGradient>

namespace {

void DrawBall(QPainter& painter, const QRectF& rect, const QColor& color, int number) {
    QRadialGradient shade(rect.center() - QPointF(rect.width() / 5, rect.height() / 5),
                          rect.width() * 0.7);
    shade.setColorAt(0, color.lighter(170));
    shade.setColorAt(1, color.darker(130));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawEllipse(rect);
    const QRectF label = rect.adjusted(rect.width() * 0.22, rect.height() * 0.22,
                                       -rect.width() * 0.22, -rect.height() * 0.22);
    painter.setBrush(Qt::white);
    painter.drawEllipse(label);
    QFont font(QStringLiteral("Verdana"));
    font.setBold(true);
    font.setPixelSize(std::max(6, int(label.height() * 0.55)));
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(label, Qt::AlignCenter, QString::number(number));
}

} // namespace

QPixmap LogoPicture(int height) {
    const int size = std::max(16, height);
    QPixmap picture(size * 3 / 2, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const double ball = size * 0.62;
    DrawBall(painter, QRectF(0, size - ball, ball, ball), QColor(200, 30, 30), 8);
    DrawBall(painter, QRectF(size * 0.88 - ball / 2, size - ball, ball, ball), QColor(30, 80, 200),
             90);
    DrawBall(painter, QRectF(size * 0.44 - ball / 2 + ball / 2, 0, ball, ball), QColor(230, 180, 0),
             3);
    return picture;
}

QPixmap TitlePicture(int width, int height) {
    QPixmap picture(std::max(1, width), std::max(1, height));
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("Verdana"));
    font.setBold(true);
    font.setItalic(true);
    font.setPixelSize(std::max(8, height * 11 / 20));
    painter.setFont(font);
    const QRect area = picture.rect();
    painter.setPen(QColor(0, 40, 10));
    painter.drawText(area.translated(2, 2), Qt::AlignCenter, QStringLiteral("Sortavo 3"));
    painter.setPen(QColor(255, 220, 0));
    painter.drawText(area, Qt::AlignCenter, QStringLiteral("Sortavo 3"));
    return picture;
}
