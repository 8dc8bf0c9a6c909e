#include "platform/qt/step_windows.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <utility>

#include "core/translation.h"
#include "platform/qt/board_painter.h"
#include "platform/qt/qt_text.h"

namespace ga {

namespace {

constexpr int kPanelWidth = 340;
constexpr int kPanelGap = 8;
constexpr int kExampleSide = 380;

}  // namespace

StepOverlay::StepOverlay(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void StepOverlay::setDrawing(const BoardDrawing& drawing, CellPlace place) {
    drawing_ = drawing;
    place_ = std::move(place);
    update();
}

void StepOverlay::paintEvent(QPaintEvent*) {
    if (!place_) return;
    QPainter painter(this);
    paintStepDrawing(painter, place_, drawing_, *inks_);
}

StepPanel::StepPanel(QWidget* owner, std::function<void()> asked)
    : QWidget(owner, Qt::Tool), words_(new QPlainTextEdit(this)), question_(new QPushButton(this)) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(toQt(translate("Window", "Hint")));
    words_->setAccessibleName(windowTitle());
    words_->setReadOnly(true);
    words_->setFocusPolicy(Qt::NoFocus);
    question_->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(words_);
    layout->addWidget(question_);
    connect(question_, &QPushButton::clicked, this, [asked = std::move(asked)] { asked(); });
    resize(kPanelWidth, 220);
}

void StepPanel::showWords(const QString& words, const QString& question, const QRect& beside) {
    words_->setPlainText(words);
    question_->setText(question);
    const QScreen* screen = QGuiApplication::screenAt(beside.center());
    const QRect room = screen != nullptr ? screen->availableGeometry() : beside;
    QPoint at(beside.right() + kPanelGap, beside.top());
    if (at.x() + width() > room.right())
        at.setX(std::max(room.left(), beside.left() - kPanelGap - width()));
    move(at);
    show();
}

BoardExample::BoardExample(QWidget* parent) : QWidget(parent) {
    setFixedSize(kExampleSide, kExampleSide + kExampleSide / 10);
}

void BoardExample::setExample(const BoardPicture& picture, const BoardDrawing& drawing) {
    picture_ = picture;
    drawing_ = drawing;
    update();
}

void BoardExample::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const QRectF area = QRectF(rect()).adjusted(6, 6, -6, -6);
    paintBoardPicture(painter, area, picture_);
    const QRectF grid = boardPictureGrid(area, picture_);
    paintStepDrawing(
        painter,
        [&](int cell) {
            return QRectF(grid.left() + grid.width() * columnOf(cell) / 9,
                          grid.top() + grid.height() * rowOf(cell) / 9, grid.width() / 9,
                          grid.height() / 9);
        },
        drawing_, themePalette(Theme::kLight).step);
    // The grid's lines again over the tints.
    BoardPicture bare;
    bare.coordinates = picture_.coordinates;
    paintBoardPicture(painter, area, bare);
}

HelpWindow::HelpWindow(QWidget* owner)
    : QWidget(owner, Qt::Window),
      list_(new QListWidget(this)),
      text_(new QTextBrowser(this)),
      example_(new BoardExample(this)) {
    setWindowTitle(toQt(translate("Window", "gridAtelier Help")));
    list_->setFixedWidth(220);
    list_->setAccessibleName(toQt(translate("Window", "Help pages")));
    auto* page = new QVBoxLayout;
    page->addWidget(text_, 1);
    page->addWidget(example_, 0, Qt::AlignHCenter);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(page, 1);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0 || row >= static_cast<int>(book_.pages.size())) return;
        const HelpPage& shown = book_.pages[static_cast<size_t>(row)];
        text_->setAccessibleName(toQt(shown.title));
        text_->setHtml(helpPageHtml(toQt(shown.text)));
        example_->setVisible(shown.hasExample);
        if (shown.hasExample) example_->setExample(shown.example, shown.drawing);
    });
    resize(900, 720);
}

void HelpWindow::setBook(const HelpBook& book) {
    if (!book_.pages.empty()) return;  // the book does not change
    book_ = book;
    for (const HelpPage& page : book_.pages) list_->addItem(toQt(page.title));
}

void HelpWindow::showPage(int page) {
    list_->setCurrentRow(page);
    show();
    raise();
    activateWindow();
}

QString helpPageHtml(const QString& text) {
    QString html;
    for (const QString& paragraph : text.split(QStringLiteral("\n\n"))) {
        const QStringList lines = paragraph.split(QLatin1Char('\n'));
        if (lines.first().contains(QLatin1Char('\t'))) {
            html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"3\">");
            for (const QString& line : lines) {
                const int tab = static_cast<int>(line.indexOf(QLatin1Char('\t')));
                html += QStringLiteral("<tr><td><b>") + line.left(tab).toHtmlEscaped() +
                        QStringLiteral("</b></td><td>") + line.mid(tab + 1).toHtmlEscaped() +
                        QStringLiteral("</td></tr>");
            }
            html += QStringLiteral("</table>");
            continue;
        }
        html += QStringLiteral("<p>") +
                paragraph.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")) +
                QStringLiteral("</p>");
    }
    return html;
}

}  // namespace ga
