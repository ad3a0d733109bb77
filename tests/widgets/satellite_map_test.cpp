#include "widgets/LibraryImage.h"
#include "widgets/ModSatelliteMap.h"

#include "GrabShot.h"

#include <QGraphicsView>
#include <QPen>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr int kMargin = 10;

std::string skyPath()
{
    return LibraryImage().getSatelliteImagePath(0).toStdString();
}

// A map of side "side" (the view is two margins wider), parented to a widget that owns it.
struct SMapFixture
{
    explicit SMapFixture(int side, const std::string& path = skyPath())
        : owner(new QWidget), map(new ModSatelliteMap(owner.get(), kMargin, path))
    {
        map->initSizeInfo(side + 2 * kMargin);
    }
    std::unique_ptr<QWidget> owner;
    ModSatelliteMap* map;
};

QPointF centreOf(const QGraphicsItem& item)
{
    return item.mapToScene(item.boundingRect().center());
}

// A map in a 280-pixel view as the pages show it, for pictures.
struct SShownMap
{
    SShownMap()
    {
        view.setFixedSize(280, 280);
        view.setStyleSheet("border: none; background-color: #282828;");
        view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.setScene(map);
        map->initSizeInfo(view.width());
    }
    QWidget owner;
    QGraphicsView view{&owner};
    ModSatelliteMap* map = new ModSatelliteMap(&owner, kMargin, skyPath()); // owned by owner
};

} // namespace

TEST(SatelliteMapTest, PositionsByAzimuthAndElevation)
{
    const struct
    {
        int azimuth;
        int elevation;
        int x;
        int y;
    } cases[] = {
        {0, 0, 119, 0},    {90, 0, 239, 119},   {180, 0, 120, 239}, {270, 0, 0, 120},
        {0, 90, 120, 120}, {217, 90, 120, 120}, {45, 45, 162, 77},  {0, 45, 119, 60},
        {359, 0, 117, 0},  {360, 0, 119, 0},    {451, 0, 239, 122}, {-10, 0, 99, 1},
    };
    for (int side : {240, 241}) {
        SMapFixture fixture(side);
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << "side " << side << " az " << c.azimuth << " el " << c.elevation);
            int x = -1;
            int y = -1;
            fixture.map->convertSatellitePositionToScreenXY(c.azimuth, c.elevation, &x, &y);
            EXPECT_EQ(x, c.x);
            EXPECT_EQ(y, c.y);
            fixture.map->updateSatelliteSymbol(3, 17, c.elevation, c.azimuth, 40, true);
            EXPECT_EQ(fixture.map->symbolItem(3).pos(), QPointF(c.x, c.y));
        }
    }
}

TEST(SatelliteMapTest, CompassFollowsTheSide)
{
    SMapFixture fixture(241);
    const ModSatelliteMap& map = *fixture.map;
    EXPECT_EQ(map.sceneRect(), QRectF(10, 10, 241, 241));
    EXPECT_EQ(map.backgroundItem().pos(), QPointF(10, 10));
    EXPECT_EQ(map.ringItem(0).rect(), QRectF(60, 60, 120, 120));
    EXPECT_EQ(map.ringItem(1).rect(), QRectF(95, 95, 50, 50));
    EXPECT_EQ(map.crossItem(0).line(), QLineF(120.5, 0, 120.5, 241));
    EXPECT_EQ(map.crossItem(1).line(), QLineF(0, 120.5, 241, 120.5));
    const QRectF boxes[4] = {{112.5, 0, 15, 15}, {112.5, 226, 15, 15}, {226, 112.5, 15, 15}, {0, 112.5, 15, 15}};
    const char letters[] = "NSEW";
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(letters[i]);
        EXPECT_EQ(map.letterBoxItem(i).rect(), boxes[i]);
        EXPECT_EQ(map.letterBoxItem(i).brush().color(), QColor("#a9a9a9"));
        EXPECT_EQ(map.letterItem(i).toPlainText(), QString(QChar(letters[i])));
        EXPECT_EQ(map.letterItem(i).font().pointSize(), 8);
        // Each letter stands centred in its box (E is placed by the integer half side).
        const QPointF offset = centreOf(map.letterItem(i)) - centreOf(map.letterBoxItem(i));
        EXPECT_LE(qAbs(offset.x()), 1.0);
        EXPECT_LE(qAbs(offset.y()), 1.0);
        EXPECT_EQ(map.letterItem(i).parentItem(), &map.backgroundItem());
        EXPECT_EQ(map.letterBoxItem(i).parentItem(), &map.backgroundItem());
    }
    EXPECT_EQ(map.ringItem(0).parentItem(), &map.backgroundItem());
    EXPECT_EQ(map.crossItem(1).parentItem(), &map.backgroundItem());
    EXPECT_EQ(map.symbolItem(0).parentItem(), nullptr);
    EXPECT_EQ(map.labelItem(0).parentItem(), nullptr);
}

TEST(SatelliteMapTest, BackgroundScaledToTheSide)
{
    SMapFixture fixture(240);
    EXPECT_EQ(fixture.map->backgroundItem().pixmap().size(), QSize(240, 240));
    fixture.map->initSizeInfo(320);
    EXPECT_EQ(fixture.map->backgroundItem().pixmap().size(), QSize(300, 300));

    SMapFixture plain(240, "");
    EXPECT_TRUE(plain.map->backgroundItem().pixmap().isNull());
    SMapFixture missing(240, ":/Satellite/Graphic/Satellite/Missing.png");
    EXPECT_TRUE(missing.map->backgroundItem().pixmap().isNull());
}

TEST(SatelliteMapTest, SatellitesInViewAndInUse)
{
    SMapFixture fixture(240);
    ModSatelliteMap& map = *fixture.map;
    for (int slot = 0; slot < ModSatelliteMap::kSlotCount; ++slot) {
        EXPECT_FALSE(map.symbolItem(slot).isVisible());
        EXPECT_FALSE(map.labelItem(slot).isVisible());
    }

    map.updateSatelliteSymbol(0, 5, 45, 45, 38, true);
    map.updateSatelliteSymbol(1, 12, 10, 250, 1, false);
    map.updateSatelliteSymbol(2, 29, 60, 120, 0, true);
    map.updateSatelliteSymbol(3, 31, 60, 120, -1, false);
    EXPECT_TRUE(map.symbolItem(0).isVisible());
    EXPECT_TRUE(map.symbolItem(1).isVisible());
    EXPECT_FALSE(map.symbolItem(2).isVisible());
    EXPECT_FALSE(map.labelItem(3).isVisible());

    EXPECT_EQ(map.symbolItem(0).brush().color(), QColor("#00ff00"));
    EXPECT_EQ(map.symbolItem(1).brush().color(), QColor("#00ffff"));
    EXPECT_EQ(map.symbolItem(0).pen().color(), QColor("#ffffff"));
    EXPECT_EQ(map.symbolItem(0).pen().width(), 1);
    EXPECT_EQ(map.symbolItem(0).rect(), QRectF(0, 0, 16, 16));
    EXPECT_EQ(map.symbolItem(0).spanAngle(), 5760);
    EXPECT_EQ(map.labelItem(0).toPlainText(), "5");
    EXPECT_EQ(map.labelItem(1).toPlainText(), "12");
    EXPECT_EQ(map.labelItem(0).defaultTextColor(), QColor("#000000"));
    EXPECT_EQ(map.labelItem(0).font().pointSize(), 9);
    const QPointF offset = centreOf(map.labelItem(1)) - centreOf(map.symbolItem(1));
    EXPECT_LE(qAbs(offset.x()), 1.0);
    EXPECT_LE(qAbs(offset.y()), 1.0);
    // Later items stand above earlier ones: each label over its circle.
    EXPECT_EQ(map.items(centreOf(map.symbolItem(1))).first(), &map.labelItem(1));

    map.updateSatelliteSymbolDisp(false, 0);
    EXPECT_EQ(map.symbolItem(0).brush().color(), QColor("#00ffff"));

    map.clearSatelliteIdItems();
    for (int slot = 0; slot < ModSatelliteMap::kSlotCount; ++slot)
        EXPECT_FALSE(map.symbolItem(slot).isVisible());
    // A hidden slot keeps its place and text.
    EXPECT_EQ(map.labelItem(1).toPlainText(), "12");
}

// Slots outside 0-23 are ignored, below the table as well as above it.
TEST(SatelliteMapTest, SlotsOutsideTheTableAreIgnored)
{
    SMapFixture fixture(240);
    ModSatelliteMap& map = *fixture.map;
    map.updateSatelliteSymbol(0, 7, 30, 30, 30, false);
    const QPointF before = map.symbolItem(0).pos();
    for (int slot : {-1, -24, 24, 1000}) {
        map.updateSatelliteSymbol(slot, 9, 80, 300, 45, true);
        map.updateSatelliteSymbolDisp(true, slot);
    }
    EXPECT_EQ(map.symbolItem(0).pos(), before);
    EXPECT_EQ(map.symbolItem(0).brush().color(), QColor("#00ffff"));
    for (int slot = 1; slot < ModSatelliteMap::kSlotCount; ++slot)
        EXPECT_FALSE(map.symbolItem(slot).isVisible()) << slot;
    EXPECT_EQ(map.items().size(), 61);
}

// A refresh moves, recolours and hides the items it has; it never adds one.
TEST(SatelliteMapTest, RefreshKeepsItsItems)
{
    SMapFixture fixture(240);
    ModSatelliteMap& map = *fixture.map;
    ASSERT_EQ(map.items().size(), 61);
    const QGraphicsItem* first = &map.symbolItem(0);
    for (int second = 0; second < 5; ++second) {
        map.clearSatelliteIdItems();
        for (int slot = 0; slot < ModSatelliteMap::kSlotCount; ++slot)
            map.updateSatelliteSymbol(slot, slot + 1, (slot * 7 + second) % 90, (slot * 15 + second) % 360, 20,
                                      slot % 2 == 0);
    }
    EXPECT_EQ(map.items().size(), 61);
    EXPECT_EQ(&map.symbolItem(0), first);
    map.updateUiObjPalette();
    EXPECT_EQ(map.items().size(), 61);
}

TEST(SatelliteMapTest, BrightnessRecoloursOnTheNextPalette)
{
    SMapFixture fixture(240);
    ModSatelliteMap& map = *fixture.map;
    map.switchColorBrill(COLOR_BRILL_NIGHT);
    EXPECT_EQ(map.symbolItem(0).pen().color(), QColor("#ffffff"));
    map.updateUiObjPalette();
    EXPECT_NE(map.symbolItem(0).pen().color(), QColor("#ffffff"));
    map.switchColorBrill(COLOR_BRILL_DEFAULT);
    map.updateUiObjPalette();
    EXPECT_EQ(map.symbolItem(0).pen().color(), QColor("#ffffff"));
}

// The compass items are children of the background: the map's items leave it before
// it goes, so the map dies with its owner without deleting any item twice.
TEST(SatelliteMapTest, DestroyedWithItsOwner)
{
    for (int round = 0; round < 3; ++round) {
        auto* owner = new QWidget;
        auto* map = new ModSatelliteMap(owner, kMargin, skyPath());
        map->initSizeInfo(260);
        map->updateSatelliteSymbol(0, 5, 45, 45, 38, true);
        QGraphicsView view(map);
        delete owner;
    }
    SUCCEED();
}

TEST(SatelliteMapTest, PictureOfTwentyFourSatellites)
{
    SShownMap shown;
    QWidget& owner = shown.owner;
    QGraphicsView& view = shown.view;
    ModSatelliteMap* map = shown.map;
    map->clearSatelliteIdItems();
    const int prns[24] = {2, 5, 7, 9, 11, 13, 15, 18, 20, 21, 24, 26, 29, 30, 32, 36, 40, 44, 51, 65, 71, 77, 82, 88};
    for (int slot = 0; slot < 24; ++slot) {
        const int elevation = (slot * 37) % 85 + 3;
        const int azimuth = (slot * 53) % 360;
        map->updateSatelliteSymbol(slot, prns[slot], elevation, azimuth, 15 + slot, slot % 3 != 0);
    }
    owner.resize(280, 280);
    const QString path = TestSupport::saveShot(&view, "sky_map");
    ASSERT_FALSE(path.isEmpty());
    const QImage shot(path);
    ASSERT_EQ(shot.size(), QSize(280, 280));
    // The first satellite's circle shows its in-view colour where the picture puts it.
    const QPointF centre = view.mapFromScene(centreOf(map->symbolItem(0)));
    const QColor at = shot.pixelColor(centre.toPoint() + QPoint(-4, 0));
    EXPECT_EQ(at, QColor("#00ffff"));
}

// A resize (a Home box closing) re-places the satellites at once: each stands inside the new
// circle before the next refresh, its number on it.
TEST(SatelliteMapTest, SatellitesFollowAResizeAtOnce)
{
    SShownMap shown;
    QWidget& owner = shown.owner;
    QGraphicsView& view = shown.view;
    ModSatelliteMap* map = shown.map;
    // On the horizon east and south, and one overhead.
    map->updateSatelliteSymbol(0, 7, 0, 90, 30, true);
    map->updateSatelliteSymbol(1, 12, 0, 180, 30, false);
    map->updateSatelliteSymbol(2, 21, 90, 0, 30, true);
    owner.resize(280, 280);
    ASSERT_FALSE(TestSupport::saveShot(&view, "sky_map_before_resize").isEmpty());

    view.setFixedSize(200, 200);
    owner.resize(200, 200);
    map->initSizeInfo(view.width());
    const QRectF circle = map->sceneRect();
    ASSERT_EQ(circle, QRectF(10, 10, 180, 180));
    for (int slot = 0; slot < 3; ++slot) {
        SCOPED_TRACE(slot);
        const QPointF centre = centreOf(map->symbolItem(slot));
        EXPECT_LE(QLineF(centre, circle.center()).length(), circle.width() / 2);
        const QPointF offset = centreOf(map->labelItem(slot)) - centre;
        EXPECT_LE(qAbs(offset.x()), 1.0);
        EXPECT_LE(qAbs(offset.y()), 1.0);
    }
    // Placed as a refresh at this size would place them.
    int x = 0;
    int y = 0;
    map->convertSatellitePositionToScreenXY(90, 0, &x, &y);
    EXPECT_EQ(map->symbolItem(0).pos(), QPointF(x, y));
    EXPECT_EQ(map->labelItem(1).toPlainText(), "12");
    ASSERT_FALSE(TestSupport::saveShot(&view, "sky_map_after_resize").isEmpty());
}
