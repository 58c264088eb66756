// Every text of every window readable: each visible text fits the rectangle
// it is drawn in by its font's metrics, lies inside the parts of the window
// that show it, and no other widget is drawn over it. Run once as it is and
// once with QT_SCALE_FACTOR=1.5.
#include "../grades/GradesFixture.h"
#include "../rules/ChoiceBuilder.h"

#include "app/ApplicationSetup.h"
#include "app/HelpWindow.h"
#include "app/TEinstellungenFrm.h"
#include "app/TTambFrm.h"
#include "app/UserSettings.h"
#include "app/WidgetInteraction.h"
#include "grades/ui/TNotenfrm.h"
#include "model/Settings.h"
#include "print/ui/TDruckFrm.h"
#include "print/ui/TPersDatenFrm.h"
#include "rules/Dispatch.h"
#include "rules/ui/TBLLFrm.h"
#include "widgets/GridView.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScreen>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStyleOption>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <functional>

using namespace tamb;

namespace {

struct Text
{
    QRect rect; // in the window's coordinates
    QString what;
    QStringList faults; // how it does not fit
};

// Panels that the window lays over a grid on purpose: what they hide of
// the grid needs no room of its own.
const QStringList Overlays = {"AGPnl", "Block1Pnl", "KKFPnl", "KPnl", "zPnl", "PrfPnl", "sPnl", "mPrfPnl", "mPnl"};

QString plain(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

QString nameOf(const QWidget *w)
{
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                     : w->objectName();
}

// Walks the visible widgets of one window in the order they are painted.
class LayoutWalker
{
public:
    explicit LayoutWalker(QWidget *window) : m_window(window)
    {
        collect(window);
        for (QWidget *w : std::as_const(m_widgets))
            m_texts.insert(w, textsOf(w));
        for (qsizetype i = 0; i < m_widgets.size(); ++i)
            for (qsizetype j = i + 1; j < m_widgets.size(); ++j)
                checkCover(m_widgets[i], m_widgets[j]);
        for (QWidget *w : std::as_const(m_widgets))
            for (const Text &t : m_texts.value(w))
                faults << t.faults;
    }

    QStringList faults;

private:
    void collect(QWidget *w)
    {
        m_widgets.append(w);
        for (QObject *child : w->children()) {
            auto *cw = qobject_cast<QWidget *>(child);
            if (cw && !cw->isWindow() && cw->isVisibleTo(m_window) && !cw->size().isEmpty())
                collect(cw);
        }
    }

    QRect inWindow(const QWidget *w, const QRect &r) const
    {
        return QRect(w->mapTo(m_window, r.topLeft()), r.size());
    }

    // What of a widget its ancestors leave visible.
    QRect shownPart(const QWidget *w) const
    {
        QRect part = inWindow(w, w->rect());
        for (const QWidget *p = w->parentWidget(); p; p = p->parentWidget()) {
            // What a window scrolls to can be reached.
            if (auto *scroll = qobject_cast<const QScrollArea *>(p->parentWidget());
                scroll && scroll->viewport() == p)
                break;
            part &= inWindow(p, p->rect());
            if (p == m_window)
                break;
        }
        return part;
    }

    static QString rectText(const QRect &r)
    {
        return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }

    // A text that needs `needed` within `area` (both in w's coordinates).
    void addText(QList<Text> &texts, const QWidget *w, const QString &text, const QRect &area,
                 const QRect &needed)
    {
        const QString quoted = QLatin1Char('"') + text.left(40) + QLatin1Char('"');
        Text t{inWindow(w, needed & area), quoted, {}};
        const QString where = nameOf(m_window) + QLatin1Char('/') + nameOf(w) + QStringLiteral(": ");
        if (needed.width() > area.width() || needed.height() > area.height())
            t.faults << where + QStringLiteral("%1 needs %2 x %3, has %4 x %5")
                                    .arg(quoted).arg(needed.width()).arg(needed.height())
                                    .arg(area.width()).arg(area.height());
        if (!shownPart(w).contains(t.rect))
            t.faults << where + quoted
                            + QStringLiteral(" is cut off by the window or its parent (%1 outside %2)")
                                  .arg(rectText(t.rect), rectText(shownPart(w)));
        texts.append(t);
    }

    QList<Text> textsOf(QWidget *w)
    {
        QList<Text> texts;
        const QFontMetrics fm(w->font());
        if (auto *label = qobject_cast<QLabel *>(w)) {
            if (label->text().isEmpty())
                return texts;
            const QString text = label->textFormat() == Qt::RichText
                                         || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()))
                                     ? QString()
                                     : label->text();
            if (text.isEmpty())
                return texts;
            const int m = label->margin();
            const QRect area = label->contentsRect().adjusted(m, m, -m, -m);
            int flags = int(label->alignment()) | Qt::TextExpandTabs;
            if (label->wordWrap())
                flags |= Qt::TextWordWrap;
            const QRect needed = fm.boundingRect(area, flags, text);
            addText(texts, w, text, area, needed);
        } else if (auto *radio = qobject_cast<QRadioButton *>(w)) {
            const int indicator = radio->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, radio);
            QRect needed(QPoint(), QSize(radio->sizeHint().width(), qMax(indicator, fm.height())));
            needed.moveTop(radio->rect().center().y() - needed.height() / 2);
            addText(texts, w, radio->text(), radio->rect(), needed);
        } else if (auto *button = qobject_cast<QPushButton *>(w)) {
            const QString text = plain(button->text());
            if (text.isEmpty())
                return texts;
            QStyle *style = button->style();
            const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
            const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
            const QSize needed(fm.horizontalAdvance(text) + margin + 2 * frame, fm.height() + 2 * frame);
            QRect rect(QPoint(), needed);
            rect.moveCenter(button->rect().center());
            addText(texts, w, text, button->rect(), rect);
        } else if (auto *box = qobject_cast<QGroupBox *>(w)) {
            if (box->title().isEmpty())
                return texts;
            QStyleOptionGroupBox opt;
            opt.initFrom(box);
            opt.text = box->title();
            opt.lineWidth = 1;
            opt.textAlignment = box->alignment();
            opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
            const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &opt,
                                                             QStyle::SC_GroupBoxLabel, box);
            const QRect needed(label.topLeft(), QSize(fm.horizontalAdvance(plain(box->title())), fm.height()));
            addText(texts, w, box->title(), box->rect(), needed);
        } else if (w->property("titleRect").isValid()) {
            // A frame that draws its own caption says where.
            const QRect title = w->property("titleRect").toRect();
            if (!title.isEmpty())
                addText(texts, w, w->property("title").toString(), w->rect(), title);
        } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            if (edit->text().isEmpty())
                return texts;
            const QMargins tm = edit->textMargins();
            const QRect area = edit->contentsRect().marginsRemoved(tm).adjusted(2, 0, -2, 0);
            addText(texts, w, edit->text(), area,
                    QRect(area.topLeft(), QSize(fm.horizontalAdvance(edit->text()), fm.height())));
        } else if (auto *bar = qobject_cast<QMenuBar *>(w)) {
            for (QAction *action : bar->actions()) {
                if (!action->isVisible() || action->isSeparator())
                    continue;
                const QRect item = bar->actionGeometry(action);
                const QRect needed(item.topLeft(), QSize(fm.horizontalAdvance(plain(action->text())), fm.height()));
                addText(texts, w, plain(action->text()), item.isEmpty() ? QRect() : item, needed);
            }
        } else if (auto *view = qobject_cast<QAbstractItemView *>(w->parentWidget())) {
            if (auto *header = qobject_cast<QHeaderView *>(view))
                headerTexts(texts, header);
            else if (w == view->viewport())
                cellTexts(texts, view);
        }
        return texts;
    }

    // A header draws its sections itself: each title within its section.
    void headerTexts(QList<Text> &texts, QHeaderView *header)
    {
        QWidget *port = header->viewport();
        const QFontMetrics fm(header->font());
        const int margin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        for (int i = 0; i < header->count(); ++i) {
            if (header->isSectionHidden(i))
                continue;
            const QString text = header->model()->headerData(i, header->orientation()).toString();
            if (text.trimmed().isEmpty())
                continue;
            const int pos = header->sectionViewportPosition(i);
            const QRect section = header->orientation() == Qt::Horizontal
                ? QRect(pos, 0, header->sectionSize(i), port->height())
                : QRect(0, pos, port->width(), header->sectionSize(i));
            QRect needed(section.topLeft(), QSize(fm.horizontalAdvance(text) + margin, fm.height()));
            needed.moveTop(section.center().y() - needed.height() / 2);
            addText(texts, port, QStringLiteral("header %1 %2").arg(i).arg(text), section & port->rect(),
                    needed);
        }
    }

    void cellTexts(QList<Text> &texts, QAbstractItemView *view)
    {
        QWidget *port = view->viewport();
        const QAbstractItemModel *model = view->model();
        for (int r = 0; r < model->rowCount(); ++r) {
            for (int c = 0; c < model->columnCount(); ++c) {
                const QModelIndex index = model->index(r, c);
                const QString text = index.data(Qt::DisplayRole).toString();
                if (text.trimmed().isEmpty())
                    continue;
                const QRect cell = view->visualRect(index);
                QStyleOptionViewItem opt;
                opt.initFrom(port);
                opt.font = view->font();
                opt.fontMetrics = QFontMetrics(view->font());
                opt.rect = cell;
                opt.textElideMode = view->textElideMode();
                const QSize needed = view->itemDelegateForIndex(index)->sizeHint(opt, index);
                const QString what = QStringLiteral("cell (%1, %2) %3").arg(c).arg(r).arg(text);
                // What the view shows of the cell, its text centred in it.
                const QRect area = cell & port->rect();
                QRect drawn(cell.topLeft(), needed);
                drawn.moveTop(cell.center().y() - needed.height() / 2);
                addText(texts, port, what, area, drawn);
            }
        }
    }

    // Who hides what lies below it: the widgets that fill their rectangle,
    // frame lines, and the texts of any other.
    QList<QRect> coverOf(QWidget *w) const
    {
        const QRect part = shownPart(w);
        const bool opaque = w->autoFillBackground() || qobject_cast<QAbstractButton *>(w)
                            || qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w)
                            || qobject_cast<QAbstractScrollArea *>(w);
        if (opaque)
            return {part};
        QList<QRect> cover;
        for (const Text &t : m_texts.value(w))
            cover.append(t.rect & part);
        auto *frame = qobject_cast<QFrame *>(w);
        if (frame && frame->frameShape() != QFrame::NoFrame && frame->frameWidth() > 0) {
            const QRect r = inWindow(w, w->rect());
            const int fw = frame->frameWidth();
            cover << QRect(r.left(), r.top(), r.width(), fw) << QRect(r.left(), r.bottom() - fw + 1, r.width(), fw)
                  << QRect(r.left(), r.top(), fw, r.height()) << QRect(r.right() - fw + 1, r.top(), fw, r.height());
        }
        return cover;
    }

    void checkCover(QWidget *below, QWidget *above)
    {
        QList<Text> &texts = m_texts[below];
        const bool grid = qobject_cast<QAbstractItemView *>(below->parentWidget())
                          && !below->parentWidget()->isAncestorOf(above);
        // Grade editors are laid over the cell that they edit.
        if (grid && qobject_cast<QLineEdit *>(above))
            return;
        const bool overlay = grid && Overlays.contains(above->objectName());
        const QList<QRect> covers = coverOf(above);
        for (qsizetype i = texts.size() - 1; i >= 0; --i)
            for (const QRect &cover : covers) {
                if ((cover & texts[i].rect).isEmpty())
                    continue;
                if (overlay && cover.contains(texts[i].rect.center()))
                    texts.removeAt(i);
                else
                    texts[i].faults << nameOf(m_window) + QLatin1Char('/') + nameOf(below)
                                           + QStringLiteral(": %1 covered by %2").arg(texts[i].what, nameOf(above));
                break;
            }
    }

    QWidget *m_window;
    QList<QWidget *> m_widgets;
    QHash<QWidget *, QList<Text>> m_texts;
};

QStringList layoutFaults(QWidget *window)
{
    QApplication::processEvents();
    return LayoutWalker(window).faults;
}

// One line per fault: the messages of a failed check are cut short.
void report(const QStringList &faults)
{
    for (const QString &f : faults)
        qWarning("%s", qPrintable(f));
    QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 layout faults").arg(faults.size())));
}

template<typename T>
T *topLevel()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *t = qobject_cast<T *>(w); t && t->isVisible())
            return t;
    return nullptr;
}

// The program with a school set (or none: the settings notice).
struct Program
{
    QTemporaryDir dir;
    ScriptedInteraction ui;
    std::unique_ptr<TTambFrm> main;

    explicit Program(bool school = true)
    {
        if (school) {
            Model settings = test::startedModel();
            settings.ProgDir = dir.path();
            settings.SchoolName = QStringLiteral("Kepler-Gymnasium Tübingen");
            WriteSettings(settings);
        }
        StartOptions options;
        options.ui = &ui;
        options.screen = QSize(1280, 1024);
        options.workingDirectory = dir.path();
        main = std::make_unique<TTambFrm>(options);
        main->show();
    }

    void complete(Model m)
    {
        m.SchoolName = main->model().SchoolName;
        m.ProgDir = main->model().ProgDir;
        main->model() = m;
        Refresh(main->model(), ui);
        main->refreshView();
    }

    TNotenfrm *grades(int points)
    {
        Model m = test::pupilModel();
        m.SchoolName = main->model().SchoolName;
        if (points >= 0)
            test::setAllGrades(m, points);
        main->model() = m;
        main->NotenClick();
        TNotenfrm *frm = topLevel<TNotenfrm>();
        if (frm)
            frm->FormActivate();
        return frm;
    }
};

using Check = std::function<QList<QWidget *>(Program &)>;

QWidget *bllDialog(Program &p, int art, int field)
{
    p.main->openWindow(Window::BLLDialog);
    auto *frm = p.main->findChild<TBLLFrm *>();
    if (!frm)
        return nullptr;
    const auto buttons = frm->findChildren<QRadioButton *>();
    if (art >= 0)
        buttons[art]->click();
    if (field >= 0)
        buttons[2 + field]->click();
    return frm;
}

QWidget *personalData(Program &p, PersonalDataUse use, bool complete)
{
    if (complete)
        p.main->model().PersonalData = {QStringLiteral("Mustermann-Lüdenscheidt, Maximiliane"),
                                        QStringLiteral("29.02.1996"), QStringLiteral("11 d"),
                                        QStringLiteral("ohne"), 1};
    auto *dialog = new TPersDatenFrm(p.main->model(), p.ui, use, p.main.get());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setModal(false);
    dialog->show();
    return dialog;
}

QWidget *gradesMode(Program &p, bool exams, int col, int row)
{
    TNotenfrm *frm = p.grades(9);
    if (!frm)
        return nullptr;
    GridView *grid = exams ? frm->nPfaecherSgr() : frm->nFaecherSgr();
    emit grid->cellReleased(col, row, Qt::LeftButton, Qt::NoModifier, QPoint());
    return frm;
}

} // namespace

class TestUiLayout : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void windows_data();
    void windows();
    void messageBoxes_data();
    void messageBoxes();
};

void TestUiLayout::initTestCase()
{
    // The remembered zoom lives in the test's own settings.
    QStandardPaths::setTestModeEnabled(true);
    UserSettings().clear();
    // The program's own set-up: its fonts and help pages.
    static QTranslator translator;
    SetUpApplication(translator);
}

void TestUiLayout::cleanup()
{
    UserSettings().clear();
    // Later: a window's menus are top-level widgets of their own in the list.
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<TNotenfrm *>(w) || qobject_cast<HelpWindow *>(w)
            || qobject_cast<TEinstellungenFrm *>(w))
            w->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestUiLayout::windows_data()
{
    QTest::addColumn<bool>("school");
    QTest::addColumn<Check>("open");
    const auto main = [](std::function<void(Program &)> action) {
        return Check([action](Program &p) {
            action(p);
            return QList<QWidget *>{p.main.get()};
        });
    };
    QTest::newRow("notice") << false << main([](Program &) {});
    QTest::newRow("main, start") << true << main([](Program &) {});
    QTest::newRow("main, new form") << true << main([](Program &p) { p.main->NeuesFormularClick(); });
    QTest::newRow("main, failed open") << true << main([](Program &p) {
        const QString bad = p.dir.filePath(QStringLiteral("kaputt.tmd"));
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("kein Belegplan");
        file.close();
        p.ui.openNames = {bad};
        p.main->OeffnenClick();
    });
    QTest::newRow("main, faults") << true << main([](Program &p) {
        p.main->clickCourseTable(0, 2);
        p.main->clickCourseTable(1, 2);
        p.main->clickCourseTable(0, 16);
    });
    QTest::newRow("main, complete") << true << main([](Program &p) {
        p.complete(test::completeModel());
        QVERIFY(p.main->model().view.legendVisible);
    });
    QTest::newRow("main, complete with BLL") << true << Check([](Program &p) {
        p.complete(test::completeModel());
        QWidget *bll = bllDialog(p, 0, 2);
        return QList<QWidget *>{p.main.get(), bll};
    });
    QTest::newRow("grades, results") << true << Check([](Program &p) {
        TNotenfrm *frm = p.grades(11);
        test::setWrittenExams(p.main->model(), {10, 12, 9, 15}, {-1, -1, 12}, 11);
        if (frm)
            frm->FormActivate();
        return QList<QWidget *>{frm};
    });
    QTest::newRow("grades, non-admission") << true << Check([](Program &p) {
        return QList<QWidget *>{p.grades(0)};
    });
    QTest::newRow("grades, half-year series") << true << Check([](Program &p) {
        return QList<QWidget *>{gradesMode(p, false, 3, 0)};
    });
    QTest::newRow("grades, subject series") << true << Check([](Program &p) {
        return QList<QWidget *>{gradesMode(p, false, 0, test::rows::Gk)};
    });
    QTest::newRow("grades, all grades") << true << Check([](Program &p) {
        return QList<QWidget *>{gradesMode(p, false, 0, 0)};
    });
    QTest::newRow("grades, written results") << true << Check([](Program &p) {
        return QList<QWidget *>{gradesMode(p, true, 1, 0)};
    });
    QTest::newRow("grades, single grade") << true << Check([](Program &p) {
        return QList<QWidget *>{gradesMode(p, false, 6, test::rows::Ph)};
    });
    QTest::newRow("grades, single result") << true << Check([](Program &p) {
        return QList<QWidget *>{gradesMode(p, true, 1, 2)};
    });
    QTest::newRow("BLL dialog") << true << Check([](Program &p) {
        return QList<QWidget *>{bllDialog(p, -1, -1)};
    });
    QTest::newRow("BLL dialog, field") << true << Check([](Program &p) {
        return QList<QWidget *>{bllDialog(p, 1, 0)};
    });
    const auto settings = [](std::function<void(TEinstellungenFrm *)> action) {
        return Check([action](Program &p) {
            p.main->EinstellungenClick();
            auto *frm = topLevel<TEinstellungenFrm>();
            if (frm)
                action(frm);
            return QList<QWidget *>{frm};
        });
    };
    const auto release = [](TEinstellungenFrm *frm, const char *grid, int col, int row) {
        auto *view = frm->findChild<GridView *>(QString::fromLatin1(grid));
        emit view->cellReleased(col, row, Qt::LeftButton, Qt::NoModifier, QPoint());
    };
    QTest::newRow("settings") << true << settings([](TEinstellungenFrm *) {});
    QTest::newRow("settings, languages") << true << settings([release](TEinstellungenFrm *frm) {
        release(frm, "FremdsprachenSgr", 1, 4);
    });
    QTest::newRow("settings, elective") << true << settings([release](TEinstellungenFrm *frm) {
        release(frm, "FspiWahlberSGr", 1, 1);
    });
    QTest::newRow("settings, hours") << true << settings([release](TEinstellungenFrm *frm) {
        release(frm, "FspiWahlberSGr", 1, 1);
        frm->findChild<QListWidget *>(QStringLiteral("FspiWahlberLbx"))->clicked(
            frm->findChild<QListWidget *>(QStringLiteral("FspiWahlberLbx"))->model()->index(4, 0));
    });
    const PersonalDataUse uses[] = {PersonalDataUse::Print, PersonalDataUse::SaveSelection,
                                    PersonalDataUse::SaveSelectionWithGrades};
    const char *useNames[] = {"print", "save", "save with grades"};
    for (int u = 0; u < 3; ++u)
        for (bool complete : {false, true}) {
            const PersonalDataUse use = uses[u];
            QTest::addRow("personal data, %s, %s", useNames[u], complete ? "complete" : "incomplete")
                << true << Check([use, complete](Program &p) {
                       return QList<QWidget *>{personalData(p, use, complete)};
                   });
        }
    for (bool small : {false, true})
        QTest::addRow("preview, %s", small ? "small" : "large") << true << Check([small](Program &p) {
            p.complete(test::completeModel());
            auto *preview = new TDruckFrm(p.main->model(), p.main.get());
            preview->setAttribute(Qt::WA_DeleteOnClose);
            preview->show();
            if (small)
                QTest::mouseClick(preview->findChild<QWidget *>(QStringLiteral("Seite")), Qt::LeftButton);
            return QList<QWidget *>{preview};
        });
    QTest::newRow("help") << true << Check([](Program &) {
        HelpWindow::showContents();
        return QList<QWidget *>{topLevel<HelpWindow>()};
    });
    // A refused click shows its hint in the status line ("m" in the Englisch row).
    for (int zoom : {100, 150, 200}) {
        QTest::addRow("main, refused, %d %%", zoom) << true << main([zoom](Program &p) {
            p.complete(test::completeModel());
            p.main->setZoom(zoom);
            p.main->clickCourseTable(3, test::rows::E);
            QVERIFY(p.main->model().view.hintShown);
        });
        if (zoom == 100)
            continue; // "grades, ..." above
        QTest::addRow("main and grades, %d %%", zoom) << true << Check([zoom](Program &p) {
            TNotenfrm *grades = p.grades(11);
            p.main->setZoom(zoom);
            return QList<QWidget *>{p.main.get(), grades};
        });
    }
}

void TestUiLayout::windows()
{
    QFETCH(bool, school);
    QFETCH(Check, open);
    Program p(school);
    const QList<QWidget *> shown = open(p);
    QStringList faults;
    for (QWidget *window : shown) {
        QVERIFY(window);
        QVERIFY(window->isVisible());
        faults << layoutFaults(window);
    }
    // At its own size the main window shows everything without scrolling. The
    // scroll area shows or hides its bars in a queued call after a resize, which
    // on a real window system may still be pending here.
    auto *scroll = p.main->findChild<QScrollArea *>(QStringLiteral("TambfrmScroll"));
    if (p.main->zoom() == 100 && scroll) {
        const auto size = [](const QSize &s) { return QStringLiteral("%1x%2").arg(s.width()).arg(s.height()); };
        QTRY_VERIFY2(!scroll->verticalScrollBar()->isVisible() && !scroll->horizontalScrollBar()->isVisible(),
                     qPrintable(QStringLiteral("contents %1 in %2; window %3, frame %4, screen %5; ranges %6, %7")
                                    .arg(size(scroll->widget()->size()), size(scroll->viewport()->size()),
                                         size(p.main->size()), size(p.main->frameGeometry().size()),
                                         size(p.main->screen()->availableGeometry().size()))
                                    .arg(scroll->horizontalScrollBar()->maximum())
                                    .arg(scroll->verticalScrollBar()->maximum())));
    }
    // Menu items, as their menus show them.
    for (QMenu *menu : p.main->findChildren<QMenu *>()) {
        menu->popup(QPoint(0, 0));
        faults << layoutFaults(menu);
        menu->hide();
    }
    report(faults);
}

void TestUiLayout::messageBoxes_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<bool>("fromGrades");
    QTest::newRow("program information") << int(BoxKind::Plain) << ProgramInfoText << int(Buttons::Ok) << false;
    QTest::newRow("screen") << int(BoxKind::Information)
                            << QStringLiteral("Die Bildschirmauflösung ist zu klein!\r\nDie aktuelle "
                                              "Einstellung ist: 800 x 600\n\rSie sollten 1024 x 768 einstellen!")
                            << int(Buttons::Ok) << false;
    QTest::newRow("settings missing") << int(BoxKind::Warning) << SettingsMissingWarning << int(Buttons::Ok) << false;
    QTest::newRow("close query") << int(BoxKind::Plain)
                                 << QStringLiteral("Wahl noch nicht gespeichert!\n\rSoll jetzt gespeichert werden?")
                                 << int(Buttons::YesNoCancel) << false;
    QTest::newRow("error") << int(BoxKind::Error) << QStringLiteral("'x' ist kein gültiger Integerwert")
                           << int(Buttons::Ok) << true;
    QTest::newRow("confirmation") << int(BoxKind::Confirmation) << QStringLiteral("Wirklich alle Noten löschen?")
                                  << int(Buttons::YesNoCancel) << true;
    QTest::newRow("short") << int(BoxKind::Information) << QStringLiteral("OK") << int(Buttons::Ok) << true;
}

void TestUiLayout::messageBoxes()
{
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(int, buttons);
    QFETCH(bool, fromGrades);
    Program p;
    QWidget *opener = p.main.get();
    if (fromGrades)
        opener = p.grades(9);
    QVERIFY(opener);
    opener->activateWindow();
    QApplication::setActiveWindow(opener);
    WidgetInteraction real(p.main.get());
    QStringList faults;
    QRect boxRect;
    QString caption;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        faults = layoutFaults(box);
        boxRect = box->frameGeometry();
        caption = box->windowTitle();
        box->done(0);
    });
    real.messageBox(BoxKind(kind), text, Buttons(buttons));
    QVERIFY(!boxRect.isEmpty());
    report(faults);
    // Centred over the window that asked, as far as the screen allows.
    QRect centred = boxRect;
    centred.moveCenter(opener->frameGeometry().center());
    const QRect area = opener->screen()->availableGeometry();
    centred.moveRight(qMin(centred.right(), area.right()));
    centred.moveBottom(qMin(centred.bottom(), area.bottom()));
    centred.moveLeft(qMax(centred.left(), area.left()));
    centred.moveTop(qMax(centred.top(), area.top()));
    const QPoint offset = boxRect.topLeft() - centred.topLeft();
    QVERIFY2(qAbs(offset.x()) <= 2 && qAbs(offset.y()) <= 2,
             qPrintable(QStringLiteral("box %1, %2 away from the opener's centre").arg(offset.x()).arg(offset.y())));
    // The caption and the title bar's buttons have room.
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    const int titleHeight = QFontMetrics(titleFont).height() + 10;
    QVERIFY2(boxRect.width() >= QFontMetrics(titleFont).horizontalAdvance(caption) + 4 * titleHeight,
             qPrintable(QStringLiteral("%1 wide for \"%2\"").arg(boxRect.width()).arg(caption)));
    // Focus goes back to the window that asked.
    QApplication::processEvents();
    QCOMPARE(QApplication::activeWindow(), opener);
}

QTEST_MAIN(TestUiLayout)
#include "tst_ui_layout.moc"
