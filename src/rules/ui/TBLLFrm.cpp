#include "rules/ui/TBLLFrm.h"

#include "widgets/GridView.h"
#include "widgets/ScreenPlacement.h"
#include "model/Model.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace tamb {

namespace {

// The window measures 378 x 243 with its frame.
constexpr int ClientWidth = 370;
constexpr int ClientHeight = 209;
constexpr int GroupWidth = 354;

QGroupBox *makeRadioGroup(QWidget *parent, const QString &caption, const QStringList &items,
                          const QRect &geometry, QButtonGroup *group)
{
    auto *box = new QGroupBox(caption, parent);
    box->setGeometry(geometry);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(12, 6, 8, 6);
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items.at(i), box);
        layout->addWidget(button);
        group->addButton(button, i);
    }
    return box;
}

} // namespace

TBLLFrm::TBLLFrm(Model &model, Interaction &ui, std::function<void()> changed,
                 QWidget *mainWindow)
    : QDialog(mainWindow), m_model(model), m_ui(ui), m_changed(std::move(changed))
{
    setObjectName(QStringLiteral("BLLFrm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(BLLCaption);
    setFixedSize(ClientWidth, ClientHeight);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);

    m_art = new QButtonGroup(this);
    m_artBox = makeRadioGroup(this, BLLArtCaption, BLLArtItems, {8, 6, GroupWidth, 70}, m_art);
    m_artBox->setObjectName(QStringLiteral("ArtRGr"));
    m_field = new QButtonGroup(this);
    m_fieldBox = makeRadioGroup(this, BLLFieldCaption, BLLFieldItems, {8, 84, GroupWidth, 116}, m_field);
    m_fieldBox->setObjectName(QStringLiteral("AufgabenfeldRgr"));
    m_fieldBox->setEnabled(false);
    // A face wider than the one the window was made for widens the groups
    // and the window rather than cut their items.
    const int needed = qMax(m_artBox->sizeHint().width(), m_fieldBox->sizeHint().width());
    if (needed > GroupWidth) {
        m_artBox->resize(needed, m_artBox->height());
        m_fieldBox->resize(needed, m_fieldBox->height());
        setFixedSize(ClientWidth + needed - GroupWidth, ClientHeight);
    }

    connect(m_art, &QButtonGroup::idClicked, this, &TBLLFrm::ArtRGrClick);
    connect(m_field, &QButtonGroup::idClicked, this, &TBLLFrm::AufgabenfeldRgrClick);
}

void TBLLFrm::ArtRGrClick(int item)
{
    tamb::ArtRGrClick(m_model, m_state, item);
    showState();
    if (m_changed)
        m_changed();
}

void TBLLFrm::AufgabenfeldRgrClick(int item)
{
    tamb::AufgabenfeldRgrClick(m_model, m_state, item);
    showState();
    if (m_changed)
        m_changed();
}

void TBLLFrm::followModel()
{
    if (m_state.serial != m_model.BLLDialogSerial && FollowBLLDialog(m_model, m_state))
        showState();
}

void TBLLFrm::FormShow()
{
    if (QWidget *main = parentWidget()) {
        const QRect frame = main->frameGeometry();
        placeOnScreen(this, QPoint(frame.left() + 121, frame.top() + 480));
    }
    // The main window shows the result once the click that opened the
    // dialog is done.
    BLLFormShow(m_model, m_state);
    showState();
}

void TBLLFrm::showState()
{
    checkRadioItem(m_art, m_state.art);
    checkRadioItem(m_field, m_state.field);
    m_fieldBox->setEnabled(m_state.fieldEnabled);
}

void TBLLFrm::showEvent(QShowEvent *event)
{
    // Restoring a minimised dialog is no new showing.
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

// Escape closes the dialog like its close button.
void TBLLFrm::reject()
{
    close();
}

void TBLLFrm::closeEvent(QCloseEvent *event)
{
    BLLFormClose(m_model, m_ui, m_state);
    if (m_changed)
        m_changed();
    // QDialog would turn the close into reject() and back into close().
    QWidget::closeEvent(event);
}

} // namespace tamb
