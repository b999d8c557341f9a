// The board window as drawn on a 1024 x 768 screen: the picture's colours and geometry, and the
// controls placed, coloured and sized as the board window has them.
#include <gtest/gtest.h>

#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <memory>
#include <string>

#include "app/BoardView.h"
#include "app/ControlWidget.h"
#include "app/DiePicture.h"
#include "app/StoneLabel.h"
#include "board/BoardWindow.h"
#include "platform/HeadlessPlatform.h"

namespace zelvik {
namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr double kColumn = kWidth / 15.0;  // column width in pixels

constexpr QRgb kGreen = 0x008000;
constexpr QRgb kLightTriangle = 0xB08900;
constexpr QRgb kDarkTriangle = 0x766A00;
constexpr QRgb kFrameBrown = 0x7F580A;
constexpr QRgb kBlack = 0x000000;
constexpr QRgb kBand = 0xCEB15F;
constexpr QRgb kTrayBox = 0x007300;
constexpr QRgb kLightStone = 0xFFC080;
constexpr QRgb kDarkStone = 0x6C4400;
constexpr QRgb kRed = 0xFF0000;

class BoardViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    platform_ =
        std::make_unique<HeadlessPlatform>(dir_.path().toStdString(), ScreenSize{kWidth, kHeight});
    board_ = std::make_unique<BoardWindow>(*platform_);
    board_->Create();
    view_ = std::make_unique<BoardView>(*board_);
    view_->Sync();
  }

  QImage Grab() {
    view_->Sync();
    return view_->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }

  static QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

  // The bounding box of the pixels of exactly `color` inside `area`.
  static QRect BoxOf(const QImage& image, QRgb color, const QRect& area) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
      for (int x = area.left(); x <= area.right(); ++x) {
        if (At(image, x, y) == color) box |= QRect(x, y, 1, 1);
      }
    }
    return box;
  }

  QTemporaryDir dir_;
  std::unique_ptr<HeadlessPlatform> platform_;
  std::unique_ptr<BoardWindow> board_;
  std::unique_ptr<BoardView> view_;
};

TEST_F(BoardViewTest, WindowHasTheScreensSize) {
  EXPECT_EQ(view_->size(), QSize(kWidth, kHeight));
  EXPECT_TRUE(view_->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(view_->board_picture().size(), QSize(kWidth, kHeight));
}

TEST_F(BoardViewTest, PictureColoursAtFixedPlaces) {
  const QImage image = Grab();
  auto column = [](int k) { return static_cast<int>(k * kColumn + (k >= 7 ? 0.45 * kColumn : 0)); };
  struct Probe {
    const char* what;
    int x, y;
    QRgb color;
  };
  const Probe probes[] = {
      {"background between the rows", 410, 353, kGreen},
      {"upper triangle, column 2 (even)", column(2), 100, kLightTriangle},
      {"upper triangle, column 3 (odd)", column(3), 100, kDarkTriangle},
      {"upper triangle, column 8 (even, right half)", column(8), 100, kLightTriangle},
      {"lower triangle, column 2 faces its opposite colour", column(2), 650, kDarkTriangle},
      {"lower triangle, column 3", column(3), 650, kLightTriangle},
      {"lower triangle, column 9", column(9), 650, kLightTriangle},
      {"frame top, thin black line", 307, 27, kBlack},
      {"frame top, wide brown line", 307, 33, kFrameBrown},
      {"bar, black centre", 461, 154, kBlack},
      {"bar, brown side", 455, 154, kFrameBrown},
      {"gap left of the bar", 440, 154, kGreen},
      {"gap right of the bar", 482, 154, kGreen},
      {"tray divider, black centre", 888, 400, kBlack},
      {"edge band at the top", 512, 5, kBand},
      {"edge band at the left", 3, 400, kBand},
      {"edge band behind the option labels", 512, 712, kBand},
      {"inside the tray box", 939, 400, kGreen},
      // The corner arcs round the frame's outer corners: the bottom-right one bulges out to
      // the lower right and leaves the frame's inner corner brown.
      {"bottom-right corner arc, outside", 1001, 684, kBand},
      {"bottom-right corner, inside the frame", 985, 667, kFrameBrown},
  };
  for (const Probe& probe : probes) {
    EXPECT_EQ(At(image, probe.x, probe.y), probe.color)
        << probe.what << " at " << probe.x << "," << probe.y << ": got " << std::hex
        << At(image, probe.x, probe.y);
  }
}

TEST_F(BoardViewTest, TrayBoxIsAnOutline) {
  const QImage image = Grab();
  const QRect box = BoxOf(image, kTrayBox, QRect(880, 40, 100, 620));
  ASSERT_FALSE(box.isNull());
  EXPECT_NEAR(box.left(), 0.895 * kWidth, 3);
  EXPECT_NEAR(box.right(), 0.94 * kWidth, 3);
  EXPECT_NEAR(box.top(), 0.08 * kHeight, 3);
  EXPECT_NEAR(box.bottom(), 0.835 * kHeight, 3);
  EXPECT_EQ(At(image, box.center().x(), box.center().y()), kGreen);
}

TEST_F(BoardViewTest, StonesAreDiscsOfTheirColourOnTheirColumns) {
  const QImage image = Grab();
  struct Case {
    int stone;
    QRgb color;
    int column;  // where the starting position puts it
  };
  // Stones 18..22 start on section 1 (upper left), 3..7 on section 13 (lower left), 1 and 2 on
  // section 24 (lower right), 16 and 17 on section 12 (upper right).
  const Case cases[] = {
      {18, kDarkStone, 1}, {3, kLightStone, 1}, {1, kLightStone, 12}, {16, kDarkStone, 12}};
  for (const Case& c : cases) {
    const ControlWidget* stone = view_->FindControl("Stone", c.stone);
    ASSERT_NE(stone, nullptr);
    const QPoint centre = stone->geometry().center();
    ASSERT_EQ(At(image, centre.x(), centre.y()), c.color) << "stone " << c.stone;
    // The disc's extent through its centre (neighbours in the stack may touch its picture).
    auto run = [&](int dx, int dy) {
      int n = 0;
      while (At(image, centre.x() + (n + 1) * dx, centre.y() + (n + 1) * dy) == c.color) ++n;
      return n;
    };
    const int across = run(-1, 0) + run(1, 0) + 1;
    const int down = run(0, -1) + run(0, 1) + 1;
    // About 0.6 of a column across, round, and centred on its column.
    EXPECT_NEAR(across, 0.6 * kColumn, 3) << "stone " << c.stone;
    EXPECT_NEAR(down, across, 1) << "stone " << c.stone;
    const double column_centre = c.column * kColumn + (c.column >= 7 ? 0.45 * kColumn : 0);
    const double disc_centre = centre.x() + (run(1, 0) - run(-1, 0)) / 2.0;
    EXPECT_NEAR(disc_centre, column_centre, 2) << "stone " << c.stone;
  }
}

TEST_F(BoardViewTest, DiceShowTheirFacesStretched) {
  const QImage image = Grab();
  struct Case {
    const char* name;
    double left, size;
    int picture;
  };
  const Case cases[] = {{"LightDie", 0.25, 0.047, 10}, {"DarkDie", 0.68, 0.05, 20}};
  for (const Case& c : cases) {
    const ControlWidget* die = view_->FindControl(c.name, 2);
    ASSERT_NE(die, nullptr);
    ASSERT_TRUE(die->isVisibleTo(view_.get()));
    EXPECT_FALSE(view_->FindControl(c.name, 1)->isVisibleTo(view_.get())) << c.name;
    const QRect place = die->geometry();
    EXPECT_NEAR(place.left(), c.left * kWidth, 1) << c.name;
    EXPECT_NEAR(place.top(), 0.43 * kHeight, 1) << c.name;
    EXPECT_NEAR(place.width(), c.size * kWidth, 1) << c.name;
    EXPECT_EQ(place.height(), place.width()) << c.name;
    const QImage face = DiePicture::Face(c.picture).toImage();
    ASSERT_FALSE(face.isNull()) << c.picture;
    // The middle of every source pixel's stretched cell shows that pixel.
    for (int y = 0; y < face.height(); ++y) {
      for (int x = 0; x < face.width(); ++x) {
        const int px = place.left() + static_cast<int>((x + 0.5) * place.width() / face.width());
        const int py = place.top() + static_cast<int>((y + 0.5) * place.height() / face.height());
        ASSERT_EQ(At(image, px, py), face.pixel(x, y) & 0xFFFFFF)
            << c.name << " face " << c.picture << " pixel " << x << "," << y;
      }
    }
  }
}

TEST_F(BoardViewTest, OptionLabelsStandInTheirPlacesInTheirColours) {
  const QImage image = Grab();
  struct Case {
    const char* name;
    double left, top;
    QRgb color;
  };
  const Case cases[] = {
      {"Reset", 0.03, 0.89, 0xFF0000},   {"Undo", 0.19, 0.89, 0xFFFF00},
      {"Players", 0.34, 0.89, 0xC000C0}, {"Demo", 0.6, 0.89, 0xFFFF00},
      {"Exiter", 0.88, 0.89, 0xFF0000},  {"Helper", 0.03, 0.94, 0xC000C0},
      {"Hit", 0.18, 0.94, 0x0000C0},     {"Marker", 0.527, 0.94, 0xFF0000},
      {"Hider", 0.88, 0.94, 0xC000C0},
  };
  for (const Case& c : cases) {
    const ControlWidget* label = view_->FindControl(c.name, 0);
    ASSERT_NE(label, nullptr);
    const QRect place = label->geometry();
    EXPECT_NEAR(place.left(), c.left * kWidth, 1) << c.name;
    EXPECT_NEAR(place.top(), c.top * kHeight, 1) << c.name;
    // The caption is drawn in the label's colour from its left edge, on the board behind it.
    const QRect text = BoxOf(image, c.color, place);
    ASSERT_FALSE(text.isNull()) << c.name;
    EXPECT_LE(text.left() - place.left(), 4) << c.name;
    EXPECT_GE(text.width(), place.width() * 3 / 4) << c.name;
    const QImage board = view_->board_picture().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(At(image, place.left(), place.top()), At(board, place.left(), place.top()))
        << c.name << ": the board shows through";
  }
  // 18 pt at the scale factor 1.6 of a 1024-pixel screen: a capital about 26 pixels high.
  const QRect reset = BoxOf(image, 0xFF0000, view_->FindControl("Reset", 0)->geometry());
  EXPECT_NEAR(reset.height(), 26, 3);
}

TEST_F(BoardViewTest, MarkersPointAtTheirRow) {
  Controls& controls = board_->controls();
  controls.Display[2].visible = true;   // upper row: points up
  controls.Display[14].visible = true;  // lower row: points down
  const QImage image = Grab();
  struct Case {
    int section;
    bool up;
  };
  for (const Case c : {Case{2, true}, Case{14, false}}) {
    const ControlWidget* marker = view_->FindControl("Display", c.section);
    const QRect head = BoxOf(image, kRed, marker->geometry());
    ASSERT_FALSE(head.isNull()) << c.section;
    EXPECT_NEAR(head.center().x(), 2 * kColumn, 2) << "under or over column 2";
    int top_run = 0;
    int bottom_run = 0;
    for (int x = head.left(); x <= head.right(); ++x) {
      top_run += At(image, x, head.top() + 1) == kRed;
      bottom_run += At(image, x, head.bottom() - 1) == kRed;
    }
    if (c.up) {
      EXPECT_LT(top_run, bottom_run) << "section " << c.section << " points up";
    } else {
      EXPECT_GT(top_run, bottom_run) << "section " << c.section << " points down";
    }
  }
  EXPECT_FALSE(view_->FindControl("Display", 3)->isVisibleTo(view_.get()));
}

// A label's double click is one click and one double click: the release that ends it is no
// second click.
TEST_F(BoardViewTest, DoubleClickOnALabelClicksOnce) {
  ControlWidget* hit = view_->FindControl("Hit", 0);
  const QPointF at(5, 5);
  const QPointF global = hit->mapToGlobal(at);
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                            QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
    QMouseEvent event(type, at, global, Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(hit, &event);
  }
  EXPECT_EQ(board_->controls().Hit.caption, "  AGGRESSIVE");
  EXPECT_EQ(board_->ctx().flags.HitBonus, 80);
}

// The person's drag, from the mouse to the state file: press on the stone, move, release over
// the destination; the picture follows the mouse while it moves.
TEST_F(BoardViewTest, DraggingAStoneMovesItOnTheBoard) {
  // Light wins the opening roll with 6 against 1 and moves first with 6 and 1.
  platform_->seeded_dice().QueueRoll(6, 6);
  platform_->seeded_dice().QueueRoll(1, 1);
  QTest::mouseClick(view_->FindControl("LightDie", 2), Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseClick(view_->FindControl("DarkDie", 2), Qt::LeftButton, {}, QPoint(5, 5));
  ASSERT_EQ(board_->ctx().Side(), 1);
  const StateStore& store = board_->ctx().store;
  // Light's top stone on section 24 (lower right) goes one point on, to section 23.
  ASSERT_TRUE(store.GetDie(1) == 1 || store.GetDie(2) == 1);
  const int stone = store.GetTopStone(24);
  ASSERT_GE(stone, 1);
  ASSERT_LE(stone, 15);
  ControlWidget* picture = view_->FindControl("Stone", stone);
  const QPoint start = picture->pos();
  const QPoint grab(picture->width() / 2, picture->height() / 2);
  const int dx = -static_cast<int>(std::lround(kColumn));

  QTest::mousePress(picture, Qt::LeftButton, {}, grab);
  // Two moves of half the way each: each is measured from where the picture is then.
  for (int step = 0; step < 2; ++step) {
    QMouseEvent move(QEvent::MouseMove, QPointF(grab.x() + dx / 2.0, grab.y()),
                     picture->mapToGlobal(QPointF(grab.x() + dx / 2.0, grab.y())), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(picture, &move);
  }
  EXPECT_NEAR(picture->x() - start.x(), dx, 2) << "the picture follows the mouse";
  QTest::mouseRelease(picture, Qt::LeftButton, {}, grab);

  EXPECT_EQ(store.GetTopStone(23), stone);
  EXPECT_EQ(store.GetStackHeight(24), 1);
  // The picture stands on its new point, a column to the left of where it started.
  EXPECT_NEAR(picture->x() - start.x(), dx, 2);
}

}  // namespace
}  // namespace zelvik
