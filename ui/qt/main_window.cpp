#include "ui/qt/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <algorithm>
#include <exception>

#include "toolkit/program_title.h"
#include "ui/chart_input.h"
#include "ui/display_scale.h"
#include "ui/qt/chart_window.h"
#include "ui/qt/colors.h"
#include "ui/qt/fonts.h"
#include "ui/qt/grid_accessible.h"
#include "ui/qt/import_export.h"
#include "ui/qt/line_widget.h"
#include "ui/qt/note_dialog.h"
#include "ui/qt/text_box.h"
#include "ui/qt/twips.h"

namespace rdx508 {

namespace {

Qt::InputMethodHints InputHints(InputKind kind) {
  switch (kind) {
    case InputKind::Number:
      return Qt::ImhPreferNumbers | Qt::ImhPreferLatin | Qt::ImhNoPredictiveText;
    case InputKind::Date:
      return Qt::ImhDate | Qt::ImhPreferNumbers | Qt::ImhPreferLatin | Qt::ImhNoPredictiveText;
    case InputKind::Text:
      break;
  }
  return Qt::ImhNone;
}

RDX_F508::Key ModelKey(int key) {
  switch (key) {
    case Qt::Key_Escape:
      return RDX_F508::Key::Escape;
    case Qt::Key_Space:
      return RDX_F508::Key::Space;
    default:
      return RDX_F508::Key::Enter;
  }
}

QList<QKeySequence> KeySequences(const QStringList& shortcuts) {
  QList<QKeySequence> keys;
  for (const QString& s : shortcuts)
    keys.push_back(QKeySequence::fromString(s, QKeySequence::PortableText));
  return keys;
}

Qt::Alignment Horizontal(TextAlign align) {
  switch (align) {
    case TextAlign::Center:
      return Qt::AlignHCenter;
    case TextAlign::Right:
      return Qt::AlignRight;
    case TextAlign::Left:
      break;
  }
  return Qt::AlignLeft;
}

bool SameGeometry(const Control& a, const Control& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

}  // namespace

MainWindow::MainWindow(RDX_F508& model, Host& host, QWidget* parent)
    : QWidget(parent), model_(model), host_(host), displaySettingsFile_(DisplaySettingsFile()) {
  setWindowTitle(ProgramTitle());
  setFixedSize(TwipsToPixels(RDX_F508::kClientWidth), TwipsToPixels(RDX_F508::kClientHeight));
  QPalette windowPalette = palette();
  windowPalette.setColor(QPalette::Window, ModelColor(RDX_F508::kWindowBack, windowPalette));
  setPalette(windowPalette);
  setAutoFillBackground(true);
  setAcceptDrops(true);  // a CSV file dropped on the window is imported

  // Widgets are made in stacking order, which Qt keeps as their sibling order: nothing
  // needs raising. The grid's cells share one view, made where its first cell stands.
  const std::vector<Control>& controls = model_.controls();
  shape_ = GridShapeOf(model_);
  items_.resize(controls.size());
  for (size_t i = 0; i < items_.size(); ++i)
    items_[i].shown = controls[i];
  for (size_t i : stackingOrder()) {
    Item& item = items_[i];
    if (shape_.inGrid[i]) {
      if (!grid_) makeGridView();
      item.widget = grid_;
    } else {
      item.widget = createWidget(item.shown, static_cast<int>(i));
    }
    apply(item, item.shown, true);
  }
  if (grid_) {
    grid_->update();
    grid_->setFocus(Qt::OtherFocusReason);  // typing at start changes nothing
  }
  chainTabOrder();
  followFocus();
  addShortcuts();
  setWindowTitle(model_.Title());
  named_ = QAccessible::isActive();
  if (named_) {
    namesStale_ = true;
    mirror();
  }
  QAccessible::installActivationObserver(this);
}

void MainWindow::makeGridView() {
  static const bool factory = [] {
    QAccessible::installFactory(GridAccessibleFactory);
    return true;
  }();
  Q_UNUSED(factory);
  const std::vector<Control>& controls = model_.controls();
  QRect area;
  for (size_t i = 0; i < controls.size(); ++i) {
    const Control& c = controls[i];
    if (shape_.inGrid[i]) area |= TwipsRect(c.left, c.top, c.width, c.height);
  }
  grid_ = new GridView(this, this, area);
  // Cells in the model's order, which is the order they are drawn in.
  std::vector<std::pair<int, int>> place(controls.size(), {-1, -1});
  for (size_t col = 0; col < shape_.columns.size(); ++col) {
    const GridShape::Column& column = shape_.columns[col];
    if (column.heading >= 0) place[size_t(column.heading)] = {-1, int(col)};
    for (size_t k = 0; k < column.cells.size(); ++k) {
      // Table rows: the forecast row first, then the days from the top.
      const int row = int(k) == RDX_F508::kForecastRow ? 0 : int(k) + 1;
      if (column.cells[k] >= 0) place[size_t(column.cells[k])] = {row, int(col)};
    }
  }
  grid_->reserveCells(size_t(std::count(shape_.inGrid.begin(), shape_.inGrid.end(), true)));
  for (size_t i = 0; i < controls.size(); ++i)
    if (shape_.inGrid[i]) items_[i].cell = grid_->addCell(int(i), place[i].first, place[i].second);
  grid_->setDescriber([this](int item) {
    const Control& c = model_.controls()[size_t(item)];
    const GridView::Cell& cell = grid_->cell(items_[size_t(item)].cell);
    // Headings share the bands' pale colours but are no values.
    return cell.row < 0 ? QString() : BandWords(model_, shape_, cell.column, c);
  });
  grid_->setRowReader(
      [this](int row) { return RowWords(model_, shape_, row == 0 ? RDX_F508::kForecastRow : row - 1); });
  grid_->setAccessibleName(QStringLiteral("日々の表"));
}

void MainWindow::addShortcuts() {
  for (const RDX_F508::MenuEntry& entry : model_.ContextMenu()) {
    auto* action = new QAction(entry.caption, this);
    action->setShortcuts(KeySequences(entry.shortcuts));
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [this, command = entry.command] { runCommand(command); });
    addAction(action);
  }
  // End goes to the oldest days, as far as the grid scrolls; not while a panel is open.
  auto* oldest = new QAction(this);
  oldest->setShortcut(QKeySequence(Qt::Key_End));
  oldest->setShortcutContext(Qt::WindowShortcut);
  connect(oldest, &QAction::triggered, this, [this] {
    if (!model_.PanelOpen()) forward([&] { model_.ScrollToPosition(model_.series().DayCnt); });
  });
  addAction(oldest);
}

void MainWindow::runCommand(const QString& command, int row) {
  RDX_F508::ViewRequest request = RDX_F508::ViewRequest::None;
  forward([&] { request = model_.Command(command, row); });
  switch (request) {
    case RDX_F508::ViewRequest::EditNote:
      editNote(model_.NoteDate(row));
      break;
    case RDX_F508::ViewRequest::Import: {
      const QString file = QFileDialog::getOpenFileName(
          this, QStringLiteral("取込"), QString(),
          QStringLiteral("CSV・テキスト (*.csv *.txt *.tsv);;すべてのファイル (*)"));
      if (!file.isEmpty()) importFile(file);
      break;
    }
    case RDX_F508::ViewRequest::Export:
      RunExport(this, model_, host_);
      break;
    default:
      break;
  }
}

void MainWindow::importFile(const QString& file) {
  forward([&] { model_.LoadArchiveOnce(); });
  RunImport(this, model_, host_, file);
  mirror();
}

namespace {

// The one local file dropped on the window, or "".
QString DroppedFile(const QMimeData* data) {
  if (!data || !data->hasUrls() || data->urls().size() != 1) return {};
  const QUrl url = data->urls().front();
  return url.isLocalFile() ? url.toLocalFile() : QString();
}

}  // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedFile(event->mimeData()).isEmpty() && !model_.PanelOpen()) event->acceptProposedAction();
}

// A CSV file dropped on the window is imported, through its preview.
void MainWindow::dropEvent(QDropEvent* event) {
  const QString file = DroppedFile(event->mimeData());
  if (file.isEmpty() || model_.PanelOpen()) return;
  event->acceptProposedAction();
  importFile(file);
}

void MainWindow::editNote(const QString& date) {
  NoteDialog dialog(date, model_.Note(date), this);
  if (dialog.exec() == QDialog::Accepted) forward([&] { model_.SetNote(date, dialog.note()); });
}

// Enter on a focused button goes to the model, which decides what it means there.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride && gridKeyOverride(watched, static_cast<QKeyEvent*>(event)))
    return true;
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      for (const Item& item : items_) {
        if (item.widget != watched) continue;
        bool used = false;
        forward([&] { used = model_.keyPress(item.shown.array, RDX_F508::Key::Enter); });
        if (used) return true;
        break;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

// An empty text box leaves Home and End to the window's shortcuts; a box with text keeps
// them for its cursor.
bool MainWindow::gridKeyOverride(QObject* watched, QKeyEvent* event) {
  if (event->key() != Qt::Key_Home && event->key() != Qt::Key_End) return false;
  if (event->modifiers() != Qt::NoModifier && event->modifiers() != Qt::KeypadModifier) return false;
  auto* box = qobject_cast<QLineEdit*>(watched);
  if (!box || !box->text().isEmpty()) return false;
  event->ignore();
  return true;
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
  // The day row under the pointer, for the commands that act on a day.
  int row = -1;
  if (QWidget* child = childAt(event->pos()); child && child == grid_) {
    const int cell = grid_->cellAt(grid_->mapFrom(this, event->pos()));
    if (cell >= 0) {
      const Control& c = items_[size_t(grid_->cell(cell).item)].shown;
      row = model_.GridRowOf(c.array, c.index);
    }
  } else if (child) {
    for (const Item& item : items_)
      if (item.widget == child) row = model_.GridRowOf(item.shown.array, item.shown.index);
  }
  QMenu menu(this);
  for (const RDX_F508::MenuEntry& entry : model_.ContextMenu(row)) {
    if (entry.separatorBefore) menu.addSeparator();
    QAction* action = menu.addAction(entry.caption);
    if (!entry.shortcuts.isEmpty()) action->setShortcut(KeySequences(entry.shortcuts).front());
    action->setEnabled(entry.enabled);
    connect(action, &QAction::triggered, this,
            [this, command = entry.command, row] { runCommand(command, row); });
  }
  // The display scale of the whole program, taken at the next start.
  menu.addSeparator();
  QMenu* scale = menu.addMenu(QStringLiteral("表示倍率"));
  auto* choices = new QActionGroup(scale);
  const int32_t kept = StoredScale(displaySettingsFile_);
  for (const int32_t percent : kScaleChoices) {
    QAction* action = scale->addAction(QString::number(percent) + QStringLiteral(" %"));
    action->setCheckable(true);
    action->setChecked(percent == kept);
    choices->addAction(action);
    connect(action, &QAction::triggered, this, [this, percent] { chooseScale(percent); });
  }
  menu.exec(event->globalPos());
}

void MainWindow::chooseScale(int32_t percent) {
  if (!StoreScale(displaySettingsFile_, percent)) {
    host_.errorBox(ProgramTitle(),
                   QStringLiteral("表示倍率を保存できませんでした。\n") + displaySettingsFile_);
    return;
  }
  QMessageBox box(QMessageBox::Information, ProgramTitle(),
                  QStringLiteral("表示倍率 %1 % は次の起動から使われます。").arg(percent), QMessageBox::Ok,
                  this);
  box.exec();
}

MainWindow::~MainWindow() {
  QAccessible::removeActivationObserver(this);
}

void MainWindow::cellClicked(int item) {
  const Control& c = items_[static_cast<size_t>(item)].shown;
  forward([&, array = c.array, index = c.index] { model_.click(array, index); });
}

void MainWindow::gridClicked(int item) {
  cellClicked(item);
}

// Enter on the grid opens its top day as a click on the day's weekday cell does.
void MainWindow::gridEnter() {
  if (shape_.columns.empty() || model_.PanelOpen()) return;
  const Control& c = model_.controls()[size_t(shape_.columns.front().cells.front())];
  forward([&, array = c.array, index = c.index] { model_.click(array, index); });
}

void MainWindow::cellKey(int item, int key) {
  forward(
      [&, array = items_[static_cast<size_t>(item)].shown.array] { model_.keyPress(array, ModelKey(key)); });
}

QWidget* MainWindow::createWidget(const Control& control, int item) {
  const QString array = control.array;
  const int index = control.index;
  switch (control.kind) {
    case ControlKind::Label:
      return new CellLabel(this, this, item);
    case ControlKind::TextBox: {
      auto* box = new TextBox(this);
      box->installEventFilter(this);  // Home and End when empty
      // Number and date boxes ask the input method for direct input, so that a Japanese
      // input method switches itself off there; the user can still switch it on, and
      // full-width digits read as numbers all the same.
      box->setInputMethodHints(InputHints(control.input));
      // textEdited fires for the user's typing only, so mirroring a text back never loops.
      connect(box, &QLineEdit::textEdited, this, [this, array, index](const QString& text) {
        forward([&] { model_.setText(array, index, text); });
      });
      connect(box, &TextBox::enterPressed, this,
              [this, array] { forward([&] { model_.keyPress(array, RDX_F508::Key::Enter); }); });
      connect(box, &TextBox::escapePressed, this,
              [this, array] { forward([&] { model_.keyPress(array, RDX_F508::Key::Escape); }); });
      return box;
    }
    case ControlKind::Button: {
      auto* button = new QPushButton(this);
      button->setAutoDefault(false);
      button->installEventFilter(this);
      connect(button, &QPushButton::clicked, this,
              [this, array, index] { forward([&] { model_.click(array, index); }); });
      return button;
    }
    case ControlKind::Line:
      break;
  }
  return new LineWidget(this);
}

void MainWindow::apply(Item& item, const Control& c, bool initial) {
  Control& shown = item.shown;
  QWidget* widget = item.widget;
  if (item.cell >= 0) {
    applyGridCell(item, c, initial);
    shown = c;
    return;
  }
  if (c.kind != ControlKind::Line) applyAccessibleText(item, c, initial);
  switch (c.kind) {
    case ControlKind::Label:
      applyLabel(item, c, initial);
      break;
    case ControlKind::TextBox:
      applyTextBox(item, c, initial);
      break;
    case ControlKind::Line:
      applyLine(item, c, initial);
      break;
    case ControlKind::Button: {
      auto* button = static_cast<QPushButton*>(widget);
      if (initial || c.text != shown.text) button->setText(c.text);
      if (initial || c.font != shown.font) button->setFont(layoutFont(c.font));
      break;
    }
  }
  if (c.kind != ControlKind::Line && (initial || !SameGeometry(c, shown)))
    widget->setGeometry(TwipsRect(c.left, c.top, c.width, c.height));
  // A new widget is enabled, shown with the window and has no tool tip: only what differs
  // from that is set.
  if (initial ? !c.toolTip.isEmpty() : c.toolTip != shown.toolTip) widget->setToolTip(c.toolTip);
  if (initial ? !c.enabled : c.enabled != shown.enabled) widget->setEnabled(c.enabled);
  if (initial ? !c.visible : c.visible != shown.visible) widget->setVisible(c.visible);
  shown = c;
}

void MainWindow::applyLabel(Item& item, const Control& c, bool initial) {
  auto* label = static_cast<CellLabel*>(item.widget);
  const Control& shown = item.shown;
  if (initial || c.text != shown.text) label->setText(c.text);
  if (initial || c.foreColor != shown.foreColor || c.backColor != shown.backColor)
    label->setColors(ModelColor(c.foreColor, palette()), ModelColor(c.backColor, palette()));
  if (initial || c.opaque != shown.opaque) label->setOpaque(c.opaque);
  if (initial || c.align != shown.align) label->setAlignment(Horizontal(c.align));
  if (initial || c.font != shown.font) label->setTextFont(layoutFont(c.font));
  if (initial || c.cornerMark != shown.cornerMark) label->setCornerMark(c.cornerMark);
  if (initial || c.marked != shown.marked) label->setMarked(c.marked);
}

void MainWindow::applyGridCell(Item& item, const Control& c, bool initial) {
  GridView::Cell& cell = grid_->cell(item.cell);
  const Control& shown = item.shown;
  bool changed = false;
  if (initial || !SameGeometry(c, shown)) {
    if (!initial) grid_->changed(item.cell);  // where it was
    cell.rect = TwipsRect(c.left, c.top, c.width, c.height).translated(-grid_->pos());
    changed = true;
  }
  if (initial || c.text != shown.text) {
    cell.text = c.text;
    cell.textWidth = -1;
    changed = true;
  }
  if (initial || c.foreColor != shown.foreColor || c.backColor != shown.backColor) {
    cell.fore = ModelColor(c.foreColor, palette());
    cell.back = ModelColor(c.backColor, palette());
    changed = true;
  }
  if (initial || c.font != shown.font) {
    cell.font = &layoutFont(c.font);
    cell.textWidth = -1;
    changed = true;
  }
  if (initial || c.align != shown.align || c.opaque != shown.opaque || c.cornerMark != shown.cornerMark ||
      c.marked != shown.marked || c.visible != shown.visible || c.enabled != shown.enabled) {
    cell.align = Horizontal(c.align);
    cell.opaque = c.opaque;
    cell.cornerMark = c.cornerMark;
    cell.marked = c.marked;
    cell.visible = c.visible;
    cell.enabled = c.enabled;
    changed = true;
  }
  cell.toolTip = c.toolTip;
  if (changed && !initial) grid_->changed(item.cell);
}

// Names are given while assistive technology is active (from the start, or once it comes),
// and then kept up to date; nobody else reads them.
void MainWindow::applyAccessibleText(Item& item, const Control& c, bool initial) {
  if (!named_) return;
  const Control& shown = item.shown;
  if (!initial && !namesStale_ && c.text == shown.text && c.toolTip == shown.toolTip &&
      c.foreColor == shown.foreColor && c.backColor == shown.backColor)
    return;
  item.widget->setAccessibleName(AccessibleName(model_, c));
  item.widget->setAccessibleDescription(AccessibleDescription(c));
}

void MainWindow::accessibilityActiveChanged(bool active) {
  if (!active || named_) return;
  named_ = true;
  namesStale_ = true;
  mirror();
}

void MainWindow::applyTextBox(Item& item, const Control& c, bool initial) {
  auto* box = static_cast<TextBox*>(item.widget);
  const Control& shown = item.shown;
  // The font first: the box lays its text out anew for each.
  if (initial || c.font != shown.font) box->setFont(layoutFont(c.font));
  // Compared with the box itself: what the user typed is already there, and setting it
  // again would move the cursor.
  if (box->text() != c.text) box->setText(c.text);
  if (initial || c.foreColor != shown.foreColor || c.backColor != shown.backColor) {
    QPalette boxPalette = box->palette();
    boxPalette.setColor(QPalette::Base, ModelColor(c.backColor, palette()));
    boxPalette.setColor(QPalette::Text, ModelColor(c.foreColor, palette()));
    box->setPalette(boxPalette);
  }
  if (initial || c.align != shown.align) box->setAlignment(Horizontal(c.align) | Qt::AlignVCenter);
  if (initial || c.placeholder != shown.placeholder) box->setPlaceholderText(c.placeholder);
}

void MainWindow::applyLine(Item& item, const Control& c, bool initial) {
  auto* line = static_cast<LineWidget*>(item.widget);
  const Control& shown = item.shown;
  if (initial || c.foreColor != shown.foreColor) line->setColor(ModelColor(c.foreColor, palette()));
  if (initial || c.lineStyle != shown.lineStyle) line->setDotted(c.lineStyle == LineStyle::Dotted);
  if (initial || !SameGeometry(c, shown)) {
    // The box spanned by the two end points, at least one pixel each way.
    QRect r = TwipsRect(std::min(c.left, c.left + c.width), std::min(c.top, c.top + c.height),
                        std::abs(c.width), std::abs(c.height));
    r.setWidth(std::max(r.width(), 1));
    r.setHeight(std::max(r.height(), 1));
    line->setGeometry(r);
    line->setRising((c.width < 0) != (c.height < 0));
  }
}

void MainWindow::mirror() {
  const std::vector<Control>& controls = model_.controls();
  std::vector<size_t> raised;
  bool tabChanged = false;
  // The panel titles as shown before this event, to announce one that opens.
  const std::array<bool, 2> panelWasShown = {
      items_[size_t(itemOf(QStringLiteral("修正"), -1))].shown.visible,
      items_[size_t(itemOf(QStringLiteral("削除"), -1))].shown.visible};
  if (named_) {
    // The names also say the index mode, the colour subject, the panel and its day.
    QString context = QString::number(model_.IndexMode());
    for (const char16_t* array : {u"色見本題名", u"修正", u"削除", u"日付修正"}) {
      const Control& c =
          model_.control(QString::fromUtf16(array), QStringView(array) == u"色見本題名" ? 0 : -1);
      context += u'|' + c.text + (c.visible ? u'+' : u'-');
    }
    for (int k = 0; k < 6; ++k)
      context += u'|' + model_.control(QStringLiteral("範囲指定"), k).text;
    if (context != nameContext_) namesStale_ = true;
    nameContext_ = context;
  }
  for (size_t i = 0; i < items_.size() && i < controls.size(); ++i) {
    Item& item = items_[i];
    const Control& c = controls[i];
    if (c.z != item.shown.z) raised.push_back(i);
    if (c.tabIndex != item.shown.tabIndex) tabChanged = true;
    apply(item, c, false);
  }
  namesStale_ = false;
  if (grid_) grid_->flushChanges();
  announceChanges(panelWasShown);
  if (!raised.empty()) restack(raised);
  if (tabChanged) chainTabOrder();
  followFocus();
  const QString title = model_.Title();
  if (windowTitle() != title) setWindowTitle(title);
  followChart();
}

void MainWindow::announceChanges(const std::array<bool, 2>& panelWasShown) {
  // A panel's title, when the panel opens.
  const QString titles[] = {QStringLiteral("修正"), QStringLiteral("削除")};
  for (int k = 0; k < 2; ++k) {
    const Control& title = model_.control(titles[k]);
    if (title.visible && !panelWasShown[size_t(k)]) {
      QWidget* widget = widgetFor(title.array, title.index);
      QAccessibleEvent alert(widget, QAccessible::Alert);
      QAccessible::updateAccessibility(&alert);
    }
  }
  // The grid's top day, after a scroll.
  if (grid_ && shape_.columns.size() > 1) {
    const int dateCell = shape_.columns[1].cells.front();
    const QString top =
        QString::number(model_.GridOffset()) + u' ' + model_.controls()[size_t(dateCell)].text;
    if (top != topRow_) {
      const bool first = topRow_.isEmpty();
      topRow_ = top;
      if (!first) grid_->announceCurrentRow();
    }
  }
}

void MainWindow::followChart() {
  if (model_.chartRequests() != chartRequests_) {
    chartRequests_ = model_.chartRequests();
    openChart();
  } else if (chart_ && chart_->isVisible()) {
    chart_->sync(ChartInputOf(model_));
  }
}

void MainWindow::openChart() {
  if (!chart_) {
    chart_ = std::make_unique<ChartWindow>(model_.clb(), host_, chartSettingsFile_);
    // A day chosen in the chart becomes the grid's top row, as far as the grid scrolls,
    // and its date cell is marked.
    connect(chart_.get(), &ChartWindow::dayChosen, this,
            [this](int32_t position) { forward([&] { model_.ShowChartDay(position); }); });
  }
  chart_->sync(ChartInputOf(model_));
  chart_->open(this);
}

// Widgets later in Qt's sibling list are drawn above earlier ones; the stacking order
// is z, then the control's place.
bool MainWindow::below(size_t a, size_t b) const {
  const int32_t za = items_[a].shown.z, zb = items_[b].shown.z;
  return za != zb ? za < zb : a < b;
}

std::vector<size_t> MainWindow::stackingOrder() const {
  std::vector<size_t> order(items_.size());
  for (size_t i = 0; i < order.size(); ++i)
    order[i] = i;
  std::sort(order.begin(), order.end(), [this](size_t a, size_t b) { return below(a, b); });
  return order;
}

// Raising just the changed widgets is enough when they all belong above the rest (the
// usual "bring to front"); otherwise every widget is raised in stacking order.
void MainWindow::restack(const std::vector<size_t>& changed) {
  std::vector<size_t> order = changed;
  std::sort(order.begin(), order.end(), [this](size_t a, size_t b) { return below(a, b); });
  std::vector<bool> isChanged(items_.size(), false);
  for (size_t i : order)
    isChanged[i] = true;
  for (size_t i = 0; i < items_.size(); ++i) {
    if (!isChanged[i] && below(order.front(), i)) {
      order = stackingOrder();
      break;
    }
  }
  for (size_t i : order)
    items_[i].widget->raise();
}

void MainWindow::chainTabOrder() {
  std::vector<size_t> order;
  for (size_t i = 0; i < items_.size(); ++i) {
    const Control& c = items_[i].shown;
    if (items_[i].cell >= 0) continue;  // the grid view is a stop of its own
    if (c.kind == ControlKind::TextBox || c.kind == ControlKind::Button) {
      items_[i].widget->setFocusPolicy(c.tabIndex >= 0 ? Qt::StrongFocus : Qt::ClickFocus);
      if (c.tabIndex >= 0) order.push_back(i);
    } else if (c.kind == ControlKind::Label && c.tabIndex >= 0) {
      items_[i].widget->setFocusPolicy(Qt::TabFocus);  // a click stays a click
      order.push_back(i);
    }
  }
  std::stable_sort(order.begin(), order.end(), [this](size_t a, size_t b) {
    return items_[a].shown.tabIndex < items_[b].shown.tabIndex;
  });
  // The grid comes first: where the focus starts, and Tab goes on to the buttons.
  if (grid_ && !order.empty()) setTabOrder(grid_, items_[order.front()].widget);
  for (size_t k = 1; k < order.size(); ++k)
    setTabOrder(items_[order[k - 1]].widget, items_[order[k]].widget);
}

void MainWindow::followFocus() {
  if (model_.focusSerial() == focusSerial_) return;
  focusSerial_ = model_.focusSerial();
  const Control* focus = model_.focusControl();
  const std::vector<Control>& controls = model_.controls();
  if (!focus || controls.empty() || focus < controls.data() || focus >= controls.data() + controls.size())
    return;
  const size_t i = size_t(focus - controls.data());
  if (i < items_.size()) items_[i].widget->setFocus(Qt::OtherFocusReason);
}

int MainWindow::itemOf(const QString& array, int index) const {
  try {
    const Control& c = model_.control(array, index);
    const size_t i = size_t(&c - model_.controls().data());
    return i < items_.size() ? int(i) : -1;
  } catch (const std::out_of_range&) {
    return -1;
  }
}

QWidget* MainWindow::widgetFor(const QString& array, int index) const {
  const int i = itemOf(array, index);
  return i >= 0 ? items_[size_t(i)].widget : nullptr;
}

QRect MainWindow::placeOf(const QString& array, int index) const {
  const int i = itemOf(array, index);
  if (i < 0) return {};
  const Item& item = items_[size_t(i)];
  return item.cell >= 0 ? grid_->cell(item.cell).rect.translated(grid_->pos()) : item.widget->geometry();
}

const GridView::Cell* MainWindow::gridCell(const QString& array, int index) const {
  const int i = itemOf(array, index);
  return i >= 0 && items_[size_t(i)].cell >= 0 ? &grid_->cell(items_[size_t(i)].cell) : nullptr;
}

const QFont& MainWindow::layoutFont(FontKey key) {
  std::optional<QFont>& font = fonts_.at(static_cast<size_t>(key));
  if (!font) font = LayoutFont(key);
  return *font;
}

void MainWindow::forward(const std::function<void()>& event) {
  try {
    event();
  } catch (const std::exception& e) {
    host_.errorBox(ProgramTitle(), QString::fromUtf8(e.what()));
  }
  mirror();
}

void MainWindow::programEnded() {
  ended_ = true;
  if (chart_) chart_->close();
  hide();
}

// Closing asks the model: its save question, then the end. Only a save the user asked
// for that failed keeps the window open (the model then has not ended the program).
void MainWindow::closeEvent(QCloseEvent* event) {
  if (!ended_ && !closing_) {
    closing_ = true;  // a second close while the question is open asks nothing more
    forward([&] { model_.Form_Unload(); });
    closing_ = false;
  }
  if (ended_ || model_.HasEnded()) {
    ended_ = true;
    if (chart_) chart_->close();
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace rdx508
