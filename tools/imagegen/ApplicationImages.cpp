#include "Glyphs.h"
#include "ImageSet.h"
#include "Trees.h"

#include <QLinearGradient>
#include <QPainterPath>

using namespace Glyphs;

namespace {

const QString kTree = "AisConfiguration";
const QString kKind = "Images";
const QColor kInk("#3c4043");
const QColor kBlue("#1a73e8");
const QColor kGray("#9aa0a6");
const QColor kGreen("#1e8e3e");
const QColor kRed("#d93025");

// A brand mark: the initial on a rounded tile with a wave under it.
QImage logo(const QString& initial, const QColor& tile)
{
    QImage image = ImageSet::canvas(36, 36);
    QPainter painter(&image);
    ImageSet::prepare(painter);
    QLinearGradient fill(0, 0, 0, 36);
    fill.setColorAt(0, tile.lighter(125));
    fill.setColorAt(1, tile);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(1, 1, 34, 34), 8, 8);
    text(painter, QRectF(0, 1, 36, 27), initial, Qt::white, 22);
    QPainterPath wave(QPointF(8, 29));
    wave.cubicTo(12, 26, 15, 32, 18, 29);
    wave.cubicTo(21, 26, 24, 32, 28, 29);
    painter.setPen(roundPen(QColor(255, 255, 255, 200), 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(wave);
    return image;
}

QImage home()
{
    QImage image = ImageSet::canvas(32, 32);
    QPainter painter(&image);
    ImageSet::prepare(painter);
    QPainterPath house(QPointF(5, 15));
    house.lineTo(16, 5.5);
    house.lineTo(27, 15);
    painter.setPen(roundPen(kBlue, 2.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(house);
    QPainterPath body(QPointF(8.5, 13));
    body.lineTo(8.5, 26);
    body.lineTo(23.5, 26);
    body.lineTo(23.5, 13);
    painter.drawPath(body);
    painter.drawRect(QRectF(13.5, 18, 5, 8));
    return image;
}

QImage gear()
{
    QImage image = ImageSet::canvas(32, 32);
    QPainter painter(&image);
    ImageSet::prepare(painter);
    painter.translate(16, 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBlue);
    for (int tooth = 0; tooth < 8; ++tooth) {
        painter.drawRoundedRect(QRectF(-2.5, -12.5, 5, 6), 1, 1);
        painter.rotate(45);
    }
    painter.drawEllipse(QPointF(0, 0), 9, 9);
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.drawEllipse(QPointF(0, 0), 4, 4);
    return image;
}

QImage reportStatus(bool good)
{
    QImage image = ImageSet::canvas(20, 20);
    QPainter painter(&image);
    ImageSet::prepare(painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(good ? kGreen : kRed);
    painter.drawEllipse(QPointF(10, 10), 9, 9);
    if (good)
        check(painter, QRectF(4, 4.5, 12, 12), Qt::white, 2);
    else
        cross(painter, QRectF(6.5, 6.5, 7, 7), Qt::white, 2);
    return image;
}

QImage themeFun(const QString& name)
{
    QImage image = ImageSet::canvas(22, 22);
    QPainter painter(&image);
    ImageSet::prepare(painter);
    if (name == "0.Help" || name == "1.About") {
        painter.setPen(QPen(kInk, 1.6));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(11, 11), 9, 9);
        text(painter, QRectF(0, 0, 22, 22), name == "0.Help" ? "?" : "i", kInk, 13);
    } else if (name == "2.Book") {
        painter.setPen(roundPen(kInk, 1.5));
        painter.setBrush(Qt::NoBrush);
        QPainterPath left(QPointF(11, 6));
        left.cubicTo(8, 4.5, 5, 4.5, 2.5, 5.5);
        left.lineTo(2.5, 17.5);
        left.cubicTo(5, 16.5, 8, 16.5, 11, 18);
        QPainterPath right(QPointF(11, 6));
        right.cubicTo(14, 4.5, 17, 4.5, 19.5, 5.5);
        right.lineTo(19.5, 17.5);
        right.cubicTo(17, 16.5, 14, 16.5, 11, 18);
        painter.drawPath(left);
        painter.drawPath(right);
        painter.drawLine(QPointF(11, 6), QPointF(11, 18));
    } else {
        // A sheet with text lines and a folded corner.
        QPainterPath sheet(QPointF(4.5, 2.5));
        sheet.lineTo(13.5, 2.5);
        sheet.lineTo(17.5, 6.5);
        sheet.lineTo(17.5, 19.5);
        sheet.lineTo(4.5, 19.5);
        sheet.closeSubpath();
        painter.setPen(QPen(kInk, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::white);
        painter.drawPath(sheet);
        painter.drawLine(QPointF(13.5, 2.5), QPointF(13.5, 6.5));
        painter.drawLine(QPointF(13.5, 6.5), QPointF(17.5, 6.5));
        painter.setPen(roundPen(kBlue, 1.4));
        for (double y : {10.0, 13.0, 16.0})
            painter.drawLine(QPointF(7.5, y), QPointF(14.5, y));
    }
    return image;
}

// Top view of a vessel, bow to the right, with the GPS antenna and the four distances
// the transponder is programmed with: A to the bow, B to the stern, C to port, D to starboard.
// Sized to sit beside the four distance boxes of the Configuration page's group.
QImage vesselDimension()
{
    constexpr double kStern = 10;
    constexpr double kBow = 182;
    constexpr double kPort = 28;
    constexpr double kStarboard = 76;
    const QPointF antenna(122, 44);
    const QColor dimension("#c5221f");
    QImage image = ImageSet::canvas(220, 104);
    QPainter painter(&image);
    ImageSet::prepare(painter);

    QPainterPath hull(QPointF(kStern, kPort + 4));
    hull.lineTo(138, kPort);
    hull.cubicTo(163, kPort, 176, 43, kBow, 52);
    hull.cubicTo(176, 61, 163, kStarboard, 138, kStarboard);
    hull.lineTo(kStern, kStarboard - 4);
    hull.closeSubpath();
    QLinearGradient deck(0, kPort, 0, kStarboard);
    deck.setColorAt(0, QColor("#e8f0fe"));
    deck.setColorAt(1, QColor("#d2e3fc"));
    painter.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(deck);
    painter.drawPath(hull);
    painter.setPen(QPen(kGray, 1.2));
    painter.setBrush(QColor("#f8f9fa"));
    painter.drawRoundedRect(QRectF(28, 39, 34, 26), 3, 3);

    // Antenna and its distances.
    painter.setPen(QPen(dimension, 1.2, Qt::DashLine));
    painter.drawLine(QPointF(kStern, antenna.y()), QPointF(kBow, antenna.y()));
    painter.drawLine(QPointF(antenna.x(), kPort), QPointF(antenna.x(), kStarboard));
    painter.setPen(Qt::NoPen);
    painter.setBrush(dimension);
    painter.drawEllipse(antenna, 4, 4);

    const auto measure = [&](QPointF from, QPointF to, const QString& letter, QPointF at) {
        painter.setPen(QPen(kInk, 1.2));
        painter.drawLine(from, to);
        const bool horizontal = from.y() == to.y();
        for (const QPointF& end : {from, to}) {
            if (horizontal)
                painter.drawLine(end - QPointF(0, 4), end + QPointF(0, 4));
            else
                painter.drawLine(end - QPointF(4, 0), end + QPointF(4, 0));
        }
        text(painter, QRectF(at.x() - 8, at.y() - 8, 16, 16), letter, kInk, 13);
    };
    measure(QPointF(antenna.x(), 17), QPointF(kBow, 17), "A", QPointF((antenna.x() + kBow) / 2, 7));
    measure(QPointF(kStern, 17), QPointF(antenna.x(), 17), "B", QPointF((kStern + antenna.x()) / 2, 7));
    measure(QPointF(198, kPort), QPointF(198, antenna.y()), "C", QPointF(211, (kPort + antenna.y()) / 2));
    measure(QPointF(198, antenna.y()), QPointF(198, kStarboard), "D", QPointF(211, (antenna.y() + kStarboard) / 2));
    text(painter, QRectF(antenna.x() - 22, 86, 44, 16), "GPS", dimension, 10);
    painter.setPen(QPen(dimension, 1));
    painter.drawLine(QPointF(antenna.x(), 87), antenna + QPointF(0, 5));
    return image;
}

// Signal bars: "filled" of five bars in the accent, the rest faint.
QImage signalBars(int filled)
{
    QImage image = ImageSet::canvas(24, 24);
    QPainter painter(&image);
    ImageSet::prepare(painter);
    painter.setPen(Qt::NoPen);
    for (int bar = 0; bar < 5; ++bar) {
        const double height = 4 + bar * 3.8;
        painter.setBrush(bar < filled ? kBlue : QColor("#dadce0"));
        painter.drawRoundedRect(QRectF(2 + bar * 4.2, 21 - height, 3.2, height), 1, 1);
    }
    return image;
}

QImage padlock()
{
    QImage image = ImageSet::canvas(24, 24);
    QPainter painter(&image);
    ImageSet::prepare(painter);
    painter.setPen(roundPen(kInk, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(7, 3.5, 10, 12), 0, 180 * 16);
    painter.drawLine(QPointF(7, 9.5), QPointF(7, 11));
    painter.drawLine(QPointF(17, 9.5), QPointF(17, 11));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawRoundedRect(QRectF(4.5, 10.5, 15, 11), 2, 2);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(12, 15), 1.8, 1.8);
    painter.drawRect(QRectF(11.3, 15, 1.4, 3.5));
    return image;
}

// Two chain links; "broken" pulls them apart with short marks across the gap.
QImage chain(const QColor& color, bool broken)
{
    QImage image = ImageSet::canvas(24, 24);
    QPainter painter(&image);
    ImageSet::prepare(painter);
    painter.translate(12, 12);
    painter.rotate(-45);
    painter.setPen(roundPen(color, 2));
    painter.setBrush(Qt::NoBrush);
    const double gap = broken ? 2.5 : 0;
    painter.drawRoundedRect(QRectF(-10 - gap, -3.5, 11, 7), 3.5, 3.5);
    painter.drawRoundedRect(QRectF(-1 + gap, -3.5, 11, 7), 3.5, 3.5);
    if (broken) {
        painter.setPen(roundPen(kRed, 1.5));
        painter.drawLine(QPointF(0, -8), QPointF(0, -5));
        painter.drawLine(QPointF(0, 5), QPointF(0, 8));
    }
    return image;
}

QImage connected()
{
    QImage image = ImageSet::canvas(24, 24);
    QPainter painter(&image);
    ImageSet::prepare(painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kGreen);
    painter.drawEllipse(QPointF(12, 12), 10, 10);
    check(painter, QRectF(5, 5.5, 14, 14), Qt::white, 2.2);
    return image;
}

// Radio waves fanning out above a point.
void waves(QPainter& painter, QPointF centre, int count, const QColor& color)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(roundPen(color, 2.4));
    for (int i = 1; i <= count; ++i) {
        const double r = 7.0 * i;
        painter.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 45 * 16, 90 * 16);
    }
}

QImage wifiMode(bool accessPoint)
{
    QImage image = ImageSet::canvas(140, 100);
    QPainter painter(&image);
    ImageSet::prepare(painter);
    if (accessPoint) {
        // A router: a box with two antennas, broadcasting.
        painter.setPen(roundPen(kInk, 2.4));
        painter.drawLine(QPointF(52, 62), QPointF(46, 40));
        painter.drawLine(QPointF(88, 62), QPointF(94, 40));
        painter.setPen(Qt::NoPen);
        painter.setBrush(kInk);
        painter.drawRoundedRect(QRectF(30, 62, 80, 22), 6, 6);
        painter.setBrush(QColor("#34a853"));
        for (int led = 0; led < 4; ++led)
            painter.drawEllipse(QPointF(46 + led * 10, 73), 2.4, 2.4);
        waves(painter, QPointF(70, 46), 3, kBlue);
    } else {
        // A laptop receiving.
        painter.setPen(Qt::NoPen);
        painter.setBrush(kInk);
        painter.drawRoundedRect(QRectF(38, 44, 64, 40), 4, 4);
        painter.setBrush(QColor("#e8f0fe"));
        painter.drawRect(QRectF(42, 48, 56, 32));
        painter.setBrush(kInk);
        QPainterPath base(QPointF(28, 86));
        base.lineTo(112, 86);
        base.lineTo(106, 92);
        base.lineTo(34, 92);
        base.closeSubpath();
        painter.drawPath(base);
        waves(painter, QPointF(70, 36), 3, kBlue);
    }
    return image;
}

QImage direction(bool right, bool hover)
{
    QImage image = ImageSet::canvas(32, 32);
    QPainter painter(&image);
    ImageSet::prepare(painter);
    painter.setPen(hover ? Qt::NoPen : QPen(kGray, 1.6));
    painter.setBrush(hover ? kBlue : QColor(Qt::white));
    painter.drawEllipse(QPointF(16, 16), 14, 14);
    chevron(painter, QPointF(right ? 17 : 15, 16), 5.5, right ? RIGHT : LEFT, hover ? Qt::white : kInk, 2.6);
    return image;
}

} // namespace

bool addApplicationImages(ImageSet& set)
{
    bool ok = set.add(kTree, "Logo", kKind, "", "Ostrel", logo("O", QColor("#00796b")));
    ok &= set.add(kTree, "Logo", kKind, "", "Surnak", logo("S", QColor("#8e2430")));
    ok &= set.add(kTree, "Logo", kKind, "", "Kelvora", logo("K", QColor("#0b3d6e")));
    ok &= set.add(kTree, "MainMenu", kKind, "", "0.Home", home());
    ok &= set.add(kTree, "MainMenu", kKind, "", "1.Setting", gear());
    ok &= set.add(kTree, "ReportStatus", kKind, "", "0.Good", reportStatus(true));
    ok &= set.add(kTree, "ReportStatus", kKind, "", "1.Failed", reportStatus(false));
    for (const QString name : {"0.Help", "1.About", "2.Book", "GenerateReport"})
        ok &= set.add(kTree, "ThemeFun", kKind, "", name, themeFun(name));
    ok &= set.add(kTree, "Vessel", kKind, "", "Dimension", vesselDimension());
    for (int level = 1; level <= 5; ++level)
        ok &=
            set.add(kTree, "WiFiStatus", kKind, "", QString("%1.RSSI%2").arg(level - 1).arg(level), signalBars(level));
    ok &= set.add(kTree, "WiFiStatus", kKind, "", "5.Security", padlock());
    ok &= set.add(kTree, "WiFiStatus", kKind, "", "6.Connected", connected());
    ok &= set.add(kTree, "WiFiStatus", kKind, "", "7.Connect", chain(kBlue, false));
    ok &= set.add(kTree, "WiFiStatus", kKind, "", "8.Disconnect", chain(kGray, true));
    // Nothing to show (an open network, an access point not linked): a cell without a picture.
    ok &= set.add(kTree, "WiFiStatus", kKind, "", "9.Empty", ImageSet::canvas(24, 24));
    ok &= set.add(kTree, "WiFiMode", kKind, "", "0.AP Mode", wifiMode(true));
    ok &= set.add(kTree, "WiFiMode", kKind, "", "1.Client Mode", wifiMode(false));
    ok &= set.add(kTree, "Direction", kKind, "", "ArrowRight", direction(true, false));
    ok &= set.add(kTree, "Direction", kKind, "", "ArrowLeft", direction(false, false));
    ok &= set.add(kTree, "Direction", kKind, "", "ArrowRightHover", direction(true, true));
    ok &= set.add(kTree, "Direction", kKind, "", "ArrowLeftHover", direction(false, true));
    return ok;
}
