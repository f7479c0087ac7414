#include "editor/structurep.h"

#include "editing/align.h"
#include "editing/newpage.h"
#include "editing/placement.h"
#include "editing/statustext.h"
#include "editor/editorsession.h"
#include "editor/elementdialogs.h"
#include "editor/pagecanvas.h"
#include "render/panelcolors.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QScrollArea>
#include <QVBoxLayout>

namespace brevix {

StructureP::StructureP(EditorSession &session, int page, QWidget *parent)
    : QWidget(parent), m_session(session), m_page(page)
{
    setObjectName(QStringLiteral("StructureP"));
    setAttribute(Qt::WA_DeleteOnClose);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    m_canvas = new PageCanvas(*this);
    m_scroll = new QScrollArea(this);
    m_scroll->setWidget(m_canvas);
    m_scroll->setWidgetResizable(false);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setBackgroundRole(QPalette::Base);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroll);
    retranslate();
    setWindowTitle(caption());
    StructureGridding();
    PageRefresh();
}

StructureP::~StructureP() = default;

QString StructureP::caption() const
{
    const PageRecord &r = m_session.project.record(m_page);
    return r.PageStrings[PageNumberText].text() + QLatin1Char(':') +
           r.PageStrings[PageName].text().left(41);
}

void StructureP::setPage(int page)
{
    m_page = page;
    setWindowTitle(caption());
    StructureGridding();
    PageRefresh();
}

void StructureP::updateCanvasSize()
{
    m_canvas->setFixedSize(m_pageSize.width() + 2 * kCanvasMargin,
                           m_pageSize.height() + 2 * kCanvasMargin);
}

void StructureP::activate()
{
    m_session.project.currentPage = m_page;
    StructureGridding();
    m_session.EditFileBackup(); // baseline of a fresh history for this page
    clearSelection();
}

void StructureP::StructureGridding()
{
    m_pageSize = editorPageSize(m_session.project, m_page);
    updateCanvasSize();
    const RenderOptions options = m_session.renderOptions();
    QImage image(m_pageSize, QImage::Format_RGB32);
    image.fill(panelRgb(m_session.project.pageBackColor(m_page)));
    const QRgb grid = panelRgb(options.gridColour);
    // Dotted outline of the page, then one dot per grid point (the two steps used crosswise).
    for (int x = 0; x < m_pageSize.width(); x += 2) {
        image.setPixel(x, 0, grid);
        image.setPixel(x, m_pageSize.height() - 1, grid);
    }
    for (int y = 0; y < m_pageSize.height(); y += 2) {
        image.setPixel(0, y, grid);
        image.setPixel(m_pageSize.width() - 1, y, grid);
    }
    if (options.showGrid && options.gridX > 0 && options.gridY > 0) {
        for (int x = options.gridY; x < m_pageSize.width(); x += options.gridY)
            for (int y = options.gridX; y < m_pageSize.height(); y += options.gridX)
                image.setPixel(x, y, grid);
    }
    m_background = image;
    m_canvas->update();
}

void StructureP::renderSlot(int slot)
{
    const PageRecord &r = m_session.project.record(m_page);
    if (r.Kind[slot] == 0) {
        m_images[size_t(slot)] = QImage();
        return;
    }
    m_images[size_t(slot)] =
        renderElement(m_session.project, m_page, slot, m_session.renderOptions());
}

void StructureP::PageRefresh()
{
    PageRecord &r = m_session.project.record(m_page);
    for (int s = 0; s < kSlotCount; ++s) {
        if (r.Kind[s] != 0)
            repairGeometry(r, s, m_pageSize);
        renderSlot(s);
    }
    m_canvas->update();
}

void StructureP::OrganRepaint(int slot)
{
    PageRecord &r = m_session.project.record(m_page);
    if (r.Kind[slot] != 0)
        repairGeometry(r, slot, m_pageSize);
    renderSlot(slot);
    m_canvas->update();
}

std::optional<int> StructureP::PlacedOrgan(QPoint pos)
{
    Project &project = m_session.project;
    project.currentPage = m_page;
    const int kind = int(project.selectedTool);
    project.selectedTool = 0;
    m_preview.reset();
    const auto slot = project.FindFreeSlot(m_page, kind);
    if (!slot) {
        clearSelection();
        QMessageBox::warning(this, kBuilderTitle, m_session.text(Project::pageFullWarning()));
        emit selectionChanged();
        return std::nullopt;
    }
    project.currentSlot = *slot;
    writePlacementDefaults(project, m_page, *slot, kind, pos.x(), pos.y());
    OrganRepaint(*slot);
    selectSlot(*slot);
    if (openElementDialog(this, project, m_page, *slot))
        OrganRepaint(*slot);
    showHandlesFor(*slot);
    m_session.EditFileBackup();
    m_canvas->setFocus();
    emit selectionChanged();
    return slot;
}

void StructureP::showHandlesFor(int slot)
{
    m_frame = slotRect(m_session.project.record(m_page), slot);
    m_singleSelected = true;
    m_canvas->update();
}

void StructureP::selectSlot(int slot)
{
    const PageRecord &r = m_session.project.record(m_page);
    if (slot < 0 || slot >= kSlotCount || r.Kind[slot] == 0)
        return;
    m_area = {};
    m_session.project.currentSlot = slot;
    showHandlesFor(slot);
    emit statusMessage(0, selectionStatusText(r, slot, m_session.language()));
    emit selectionChanged();
}

void StructureP::clearSelection()
{
    m_singleSelected = false;
    m_area = {};
    m_frame = QRect();
    m_hintVisible = false;
    m_previousReference = -1;
    m_markedSlot = -1;
    m_canvas->update();
    emit selectionChanged();
}

void StructureP::selectArea(const QRect &frame)
{
    m_singleSelected = false;
    m_area = brevix::selectArea(m_session.project.record(m_page), frame);
    if (m_area.isEmpty())
        m_area = {};
    m_canvas->update();
    emit selectionChanged();
}

void StructureP::WholePasteFinish(const std::vector<int> &pasted)
{
    m_singleSelected = false;
    m_area.members = pasted;
    std::sort(m_area.members.begin(), m_area.members.end());
    m_area.frame = boundingBox(m_session.project.record(m_page), m_area.members);
    m_canvas->update();
    m_canvas->setFocus();
    emit selectionChanged();
}

void StructureP::toggleGroup(int slot)
{
    if (m_singleSelected && m_area.isEmpty()) {
        // The element selected by a plain click starts the group.
        m_area.members = {m_session.project.currentSlot};
    }
    m_singleSelected = false;
    toggleGroupSlot(m_area.members, slot);
    updateAreaFrame();
    emit selectionChanged();
}

void StructureP::markSlot(int slot)
{
    if (slot < 0 || slot >= kSlotCount)
        return;
    m_markedSlot = slot;
    m_canvas->update();
}

void StructureP::updateAreaFrame()
{
    m_area.frame = boundingBox(m_session.project.record(m_page), m_area.members);
    m_canvas->update();
}

void StructureP::afterChange()
{
    m_session.EditFileBackup();
    emit selectionChanged();
}

void StructureP::AlignComponent(int n)
{
    if (m_area.isEmpty())
        return;
    PageRecord &r = m_session.project.record(m_page);
    if (!alignElements(r, m_area.members, n))
        return;
    for (int s : m_area.members)
        OrganRepaint(s);
    updateAreaFrame();
    afterChange();
}

void StructureP::OrganDelete()
{
    PageRecord &r = m_session.project.record(m_page);
    if (!m_area.isEmpty()) {
        for (int s : m_area.members) {
            r.Kind[s] = 0;
            m_images[size_t(s)] = QImage();
        }
    } else if (m_singleSelected) {
        const int s = m_session.project.currentSlot;
        r.Kind[s] = 0;
        m_images[size_t(s)] = QImage();
    } else {
        return;
    }
    clearSelection();
}

void StructureP::setLocked(bool locked)
{
    PageRecord &r = m_session.project.record(m_page);
    if (!m_area.isEmpty()) {
        for (int s : m_area.members)
            r.MoveLock[s] = locked ? 1 : 0;
    } else if (m_singleSelected) {
        r.MoveLock[m_session.project.currentSlot] = locked ? 1 : 0;
    } else {
        return;
    }
    m_session.setModified(true);
    m_canvas->update();
    emit selectionChanged();
}

void StructureP::N3Click()
{
    if (!m_area.isEmpty()) {
        setLocked(true);
        return;
    }
    if (m_singleSelected)
        setLocked(m_session.project.record(m_page).MoveLock[m_session.project.currentSlot] == 0);
}

void StructureP::MovSubstrateNClick()
{
    const int slot = m_session.project.currentSlot;
    if (!m_singleSelected || slot >= kFirstListSlot)
        return;
    m_session.project.SendSlotToBack(m_page, slot);
    PageRefresh();
    clearSelection();
    m_session.EditFileBackup();
}

void StructureP::openProperties(int slot)
{
    Project &project = m_session.project;
    project.currentPage = m_page;
    project.currentSlot = slot;
    if (!openElementDialog(this, project, m_page, slot))
        return;
    OrganRepaint(slot);
    if (m_singleSelected)
        showHandlesFor(slot);
    m_session.EditFileBackup();
    emit selectionChanged();
}

void StructureP::closeEvent(QCloseEvent *event)
{
    event->accept();
}

} // namespace brevix
