#include "ui/qt/chart_window.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageWriter>
#include <QLabel>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "toolkit/program_title.h"
#include "ui/chart_control.h"
#include "ui/qt/fonts.h"
#include "ui/window_place.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

const QString kGeometryKey = u"chart/geometry"_s;
const QString kFolderKey = u"chart/imageFolder"_s;

}  // namespace

ChartWindow::ChartWindow(CLB_C1& clb, Host& host, const QString& settingsFile, QWidget* parent)
    : QWidget(parent, Qt::Window),
      model_(clb),
      host_(host),
      settingsFile_(settingsFile.isEmpty() ? defaultSettingsFile() : settingsFile) {
  setWindowTitle(ProgramTitle() + u" — チャート"_s);
  // The chart never keeps the program running once the main window has closed.
  setAttribute(Qt::WA_QuitOnClose, false);
  setFont(LayoutFont(FontKey::Default));

  chart_ = new ChartWidget(model_, this);
  auto* bar = new QHBoxLayout;
  bar->setContentsMargins(8, 6, 8, 0);
  bar->setSpacing(4);
  for (const ChartRangeButton& b : kChartRangeButtons) {
    auto* button = new QPushButton(QString::fromUtf16(b.caption), this);
    button->setCheckable(true);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::TabFocus);
    button->setToolTip(QString::fromUtf16(b.tip));
    connect(button, &QPushButton::clicked, this, [this, r = b.range] { showRange(r); });
    auto* key = new QShortcut(QKeySequence(b.key), this);
    connect(key, &QShortcut::activated, this, [this, r = b.range] { showRange(r); });
    ranges_[size_t(b.range)] = button;
    bar->addWidget(button);
  }
  bar->addSpacing(12);
  auto* hint =
      new QLabel(u"ホイール：拡大・縮小　ドラッグ：移動　←→：1日ずつ　クリック：表をその日へ"_s, this);
  hint->setForegroundRole(QPalette::PlaceholderText);
  hint->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);  // gives way in a narrow window
  bar->addWidget(hint, 1);
  save_ = new QPushButton(u"画像保存"_s, this);
  save_->setAutoDefault(false);
  save_->setFocusPolicy(Qt::TabFocus);
  save_->setToolTip(u"チャートを PNG 画像に保存します（Ctrl+C でコピー）"_s);
  connect(save_, &QPushButton::clicked, this, &ChartWindow::chooseImageFile);
  bar->addWidget(save_);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(6);
  layout->addLayout(bar);
  layout->addWidget(chart_, 1);

  connect(chart_, &ChartWidget::viewChanged, this, &ChartWindow::markRange);
  connect(chart_, &ChartWidget::dayChosen, this,
          [this](int day) { Q_EMIT dayChosen(model_.gridPosition(day)); });
  auto* copy = new QShortcut(QKeySequence::Copy, this);
  connect(copy, &QShortcut::activated, this, &ChartWindow::copyImage);
  auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(close, &QShortcut::activated, this, &QWidget::close);

  setFocusProxy(chart_);
  resize(1100, 720);
}

ChartWindow::~ChartWindow() {
  if (isVisible()) keepGeometry();
}

QString ChartWindow::defaultSettingsFile() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u"/RDX508/chart.ini"_s;
}

void ChartWindow::sync(const ChartInput& input) {
  if (model_.sync(input)) {
    chart_->refresh();
    markRange();
  }
}

void ChartWindow::open(const QWidget* beside) {
  if (!placed_) {
    placed_ = true;
    const QByteArray geometry =
        QSettings(settingsFile_, QSettings::IniFormat).value(kGeometryKey).toByteArray();
    if (geometry.isEmpty() || !restoreGeometry(geometry)) {
      // The first time: beside the main window where the screen has room, else fitting
      // the screen.
      const QScreen* screen = beside ? beside->screen() : QGuiApplication::primaryScreen();
      if (!screen) screen = QGuiApplication::primaryScreen();
      if (screen) {
        const QRect available = screen->availableGeometry();
        const std::optional<QRect> place =
            beside ? PlaceBeside(beside->frameGeometry(), size(), available) : std::nullopt;
        if (place) {
          resize(place->size());
          move(place->topLeft());
        } else {
          resize(size().boundedTo(available.size() * 0.9));
        }
      }
    }
  }
  if (!isVisible()) showRange(ChartRange::SixMonths);
  show();
  raise();
  activateWindow();
  chart_->setFocus(Qt::OtherFocusReason);
}

void ChartWindow::showRange(ChartRange range) {
  model_.showRange(range);
  chart_->refresh();
  markRange();
}

void ChartWindow::markRange() {
  const std::optional<ChartRange> shown = model_.shownRange();
  for (size_t k = 0; k < ranges_.size(); ++k)
    ranges_[k]->setChecked(shown && size_t(*shown) == k);
}

bool ChartWindow::saveImage(const QString& path) {
  QImageWriter writer(path, "png");
  if (writer.write(chart_->picture())) return true;
  host_.errorBox(ProgramTitle(), u"画像を保存できませんでした。\n"_s + path + u"\n"_s + writer.errorString());
  return false;
}

void ChartWindow::copyImage() {
  QGuiApplication::clipboard()->setImage(chart_->picture());
}

void ChartWindow::chooseImageFile() {
  QSettings settings(settingsFile_, QSettings::IniFormat);
  QString folder = settings.value(kFolderKey).toString();
  if (folder.isEmpty() || !QDir(folder).exists())
    folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
  QString name = u"チャート"_s;
  if (model_.dayCount() > 0) {
    const QString newest = model_.days().back().day.Date;
    name += u'_' + QString(newest).remove(u'/');
  }
  const QString path = QFileDialog::getSaveFileName(
      this, u"画像保存"_s, QDir(folder).filePath(name + u".png"_s), u"PNG 画像 (*.png)"_s);
  if (path.isEmpty()) return;
  const QString file = QFileInfo(path).suffix().isEmpty() ? path + u".png"_s : path;
  if (saveImage(file)) settings.setValue(kFolderKey, QFileInfo(file).absolutePath());
}

void ChartWindow::keepGeometry() {
  QSettings settings(settingsFile_, QSettings::IniFormat);
  settings.setValue(kGeometryKey, saveGeometry());
}

void ChartWindow::closeEvent(QCloseEvent* event) {
  keepGeometry();
  QWidget::closeEvent(event);
}

}  // namespace rdx508
