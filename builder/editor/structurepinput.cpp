// Mouse, keyboard and pop-up menus of the page editor.
#include "editing/placement.h"
#include "editing/statustext.h"
#include "editor/editorsession.h"
#include "editor/pagecanvas.h"
#include "editor/structurep.h"

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>

namespace brevix {

int StructureP::slotAt(QPoint pos) const
{
    const PageRecord &r = m_session.project.record(m_page);
    // Higher slots lie above lower ones.
    for (int s = kSlotCount - 1; s >= 0; --s) {
        if (r.Kind[s] != 0 && slotRect(r, s).contains(pos))
            return s;
    }
    return -1;
}

std::optional<Handle> StructureP::handleAt(QPoint pos) const
{
    if (!m_singleSelected)
        return std::nullopt;
    const PageRecord &r = m_session.project.record(m_page);
    const int slot = m_session.project.currentSlot;
    for (int i = 0; i < kHandleCount; ++i) {
        const Handle h = Handle(i);
        if (!handleVisible(h, r.Kind[slot], r.ByteC[slot]))
            continue;
        const QRect box(handlePosition(h, m_frame), QSize(kHandleSize, kHandleSize));
        if (box.adjusted(-1, -1, 1, 1).contains(pos))
            return h;
    }
    return std::nullopt;
}

void StructureP::canvasPress(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    m_pressPos = pos;
    m_dragChanged = false;
    if (event->button() != Qt::LeftButton)
        return;
    Project &project = m_session.project;
    project.currentPage = m_page;
    if (project.selectedTool != 0) {
        PlacedOrgan(pos);
        return;
    }
    PageRecord &r = project.record(m_page);
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    if (const auto h = handleAt(pos); h && !shift) {
        const int slot = project.currentSlot;
        if (r.MoveLock[slot] == 0 && isResizable(r.Kind[slot])) {
            m_drag = Drag::Resize;
            m_dragHandle = *h;
            m_dragStartRect = QRect(handlePosition(*h, m_frame), QSize(kHandleSize, kHandleSize));
        }
        return;
    }
    if (!shift && !m_area.isEmpty() && m_area.frame.contains(pos)) {
        m_drag = Drag::GroupMove;
        m_dragStartRect = m_area.frame;
        return;
    }
    const int slot = slotAt(pos);
    if (slot < 0) {
        clearSelection();
        m_drag = Drag::Area;
        m_areaDrawing = QRect(pos, QSize(0, 0));
        return;
    }
    if (shift) {
        toggleGroup(slot);
        return;
    }
    selectSlot(slot);
    m_session.setModified(true);
    if (r.MoveLock[slot] == 0) {
        m_drag = Drag::Move;
        m_dragStartRect = slotRect(r, slot);
    }
}

void StructureP::moveGroupBy(QPoint delta)
{
    PageRecord &r = m_session.project.record(m_page);
    for (int s : m_area.members) {
        r.Left[s] = std::uint16_t(r.Left[s] + delta.x());
        r.Top[s] = std::uint16_t(r.Top[s] + delta.y());
    }
    m_area.frame.translate(delta);
}

void StructureP::canvasMove(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    emit statusMessage(3, pointerStatusText(pos.x() - kCanvasMargin, pos.y() - kCanvasMargin));
    Project &project = m_session.project;
    PageRecord &r = project.record(m_page);
    if (project.selectedTool != 0) {
        m_preview = pos;
        m_canvas->setCursor(Qt::CrossCursor);
        m_canvas->update();
        return;
    }
    const QPoint delta = pos - m_pressPos;
    switch (m_drag) {
    case Drag::None:
        if (const auto h = handleAt(pos)) {
            static const Qt::CursorShape shapes[] = {
                Qt::SizeFDiagCursor, Qt::SizeVerCursor,   Qt::SizeBDiagCursor, Qt::SizeHorCursor,
                Qt::SizeHorCursor,   Qt::SizeBDiagCursor, Qt::SizeVerCursor,   Qt::SizeFDiagCursor};
            m_canvas->setCursor(shapes[int(*h)]);
        } else if (slotAt(pos) >= 0) {
            m_canvas->setCursor(Qt::SizeAllCursor);
        } else {
            m_canvas->unsetCursor();
        }
        return;
    case Drag::Move: {
        const int slot = project.currentSlot;
        const QPoint to = clampMove(m_dragStartRect.translated(delta), m_pageSize);
        if (to == QPoint(r.Left[slot], r.Top[slot]))
            return;
        r.Left[slot] = std::uint16_t(to.x());
        r.Top[slot] = std::uint16_t(to.y());
        m_frame.moveTopLeft(to);
        m_dragChanged = true;
        m_canvas->update();
        return;
    }
    case Drag::GroupMove: {
        const QPoint to = clampMove(m_dragStartRect.translated(delta), m_pageSize);
        const QPoint step = to - m_area.frame.topLeft();
        if (step.isNull())
            return;
        moveGroupBy(step);
        m_dragChanged = true;
        m_canvas->update();
        return;
    }
    case Drag::Resize: {
        const int slot = project.currentSlot;
        const QPoint handle = clampMove(m_dragStartRect.translated(delta), m_pageSize);
        const ElementGeometry before{r.Left[slot], r.Top[slot], r.Width[slot], r.Height[slot],
                                     r.ByteC[slot]};
        const ElementGeometry after = resizeByHandle(m_dragHandle, handle, before, r.Kind[slot]);
        if (after == before)
            return;
        r.Left[slot] = std::uint16_t(after.left);
        r.Top[slot] = std::uint16_t(after.top);
        r.Width[slot] = std::uint16_t(after.width);
        r.Height[slot] = std::uint16_t(after.height);
        r.ByteC[slot] = std::uint8_t(after.byteC);
        renderSlot(slot);
        m_frame = slotRect(r, slot);
        m_dragChanged = true;
        m_canvas->update();
        return;
    }
    case Drag::Area:
        m_areaDrawing = QRect(m_pressPos, pos).normalized();
        m_canvas->update();
        return;
    }
}

void StructureP::canvasRelease(QMouseEvent *event)
{
    const Drag drag = m_drag;
    m_drag = Drag::None;
    if (drag == Drag::Area) {
        const QRect frame = areaFrameFromDrag(m_pressPos, event->position().toPoint());
        m_areaDrawing = QRect();
        if (frame.width() > 0 && frame.height() > 0)
            selectArea(frame);
        m_canvas->update();
        return;
    }
    if (m_dragChanged && (drag == Drag::Move || drag == Drag::Resize || drag == Drag::GroupMove)) {
        // Moves and resizes are steps of their own in the undo history.
        m_session.EditFileBackup();
        if (drag != Drag::GroupMove)
            emit statusMessage(0, selectionStatusText(m_session.project.record(m_page),
                                                      m_session.project.currentSlot,
                                                      m_session.language()));
        emit selectionChanged();
    }
}

void StructureP::canvasDoubleClick(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || (event->modifiers() & Qt::ShiftModifier))
        return;
    const int slot = slotAt(event->position().toPoint());
    if (slot >= 0) {
        openProperties(slot);
        return;
    }
    emit pageAttributesRequested();
}

bool StructureP::PcKeyDown(int key, Qt::KeyboardModifiers)
{
    Project &project = m_session.project;
    PageRecord &r = project.record(m_page);
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        if (!hasSelection())
            return true;
        const ArrowKey arrow = key == Qt::Key_Left    ? ArrowKey::Left
                               : key == Qt::Key_Right ? ArrowKey::Right
                               : key == Qt::Key_Up    ? ArrowKey::Up
                                                      : ArrowKey::Down;
        if (!m_area.isEmpty()) {
            const QPoint to = arrowStep(m_area.frame, arrow, m_pageSize);
            moveGroupBy(to - m_area.frame.topLeft());
        } else {
            const int slot = project.currentSlot;
            const QPoint to = arrowStep(slotRect(r, slot), arrow, m_pageSize);
            r.Left[slot] = std::uint16_t(to.x());
            r.Top[slot] = std::uint16_t(to.y());
            m_frame.moveTopLeft(to);
            emit statusMessage(0, selectionStatusText(r, slot, m_session.language()));
        }
        m_session.EditFileBackup();
        m_canvas->update();
        return true;
    }
    case Qt::Key_Delete:
        if (hasSelection()) {
            OrganDelete();
            m_session.EditFileBackup();
        }
        return true;
    case Qt::Key_Escape:
        project.selectedTool = 0;
        m_preview.reset();
        clearSelection();
        m_canvas->unsetCursor();
        return true;
    case Qt::Key_F12:
        if (hasSelection())
            m_hintVisible = true;
        return true;
    default:
        return false;
    }
}

void StructureP::retranslate()
{
    const bool zh = m_session.chinese();
    delete m_elementMenu;
    delete m_pageMenu;
    m_elementMenu = new QMenu(this);
    m_elementMenu->setObjectName(QStringLiteral("OrganMenu"));
    auto add = [](QMenu *menu, const char *name, const QString &text) {
        QAction *action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    connect(add(m_elementMenu, "OrganAttribute",
                zh ? QStringLiteral("属性(&A)") : QStringLiteral("Attribute(&A)")),
            &QAction::triggered, this, [this] { openProperties(m_session.project.currentSlot); });
    connect(add(m_elementMenu, "N3", zh ? QStringLiteral("锁定(&L)") : QStringLiteral("Lock(&L)")),
            &QAction::triggered, this, &StructureP::N3Click);
    connect(add(m_elementMenu, "MovSubstrateN",
                zh ? QStringLiteral("移至底层(&D)") : QStringLiteral("Move to the bottom(&M)")),
            &QAction::triggered, this, &StructureP::MovSubstrateNClick);
    m_elementMenu->addSeparator();
    connect(add(m_elementMenu, "OrganCut",
                zh ? QStringLiteral("剪切(&U)") : QStringLiteral("Shear(&S)")),
            &QAction::triggered, this, &StructureP::cutRequested);
    connect(add(m_elementMenu, "OrganCopy",
                zh ? QStringLiteral("复制(&C)") : QStringLiteral("Copy(&C)")),
            &QAction::triggered, this, &StructureP::copyRequested);
    connect(add(m_elementMenu, "OrganDeleteItem",
                zh ? QStringLiteral("删除(&D)") : QStringLiteral("Delete(&D)")),
            &QAction::triggered, this, [this] {
                OrganDelete();
                m_session.EditFileBackup();
            });
    QAction *multi =
        add(m_elementMenu, "OrganMultiCopy",
            zh ? QStringLiteral("多重复制(&I)...") : QStringLiteral("Multiple copy(&I)..."));
    connect(multi, &QAction::triggered, this, &StructureP::multipleCopyRequested);

    m_pageMenu = new QMenu(this);
    m_pageMenu->setObjectName(QStringLiteral("PageMenu"));
    connect(add(m_pageMenu, "PageAttribute",
                zh ? QStringLiteral("属性(&A)") : QStringLiteral("Attribute(&A)")),
            &QAction::triggered, this, &StructureP::pageAttributesRequested);
    connect(
        add(m_pageMenu, "PagePaste", zh ? QStringLiteral("粘贴(&P)") : QStringLiteral("Paste(&P)")),
        &QAction::triggered, this, &StructureP::pagePasteRequested);
    connect(add(m_pageMenu, "PageRegisterSearch",
                zh ? QStringLiteral("寄存器查找(&L)") : QStringLiteral("Register Search(&L)")),
            &QAction::triggered, this, &StructureP::registerLookupRequested);
    connect(add(m_pageMenu, "PageBulkChanges",
                zh ? QStringLiteral("批量修改(&B)") : QStringLiteral("Bulk changes(&B)")),
            &QAction::triggered, this, &StructureP::batchModificationRequested);
}

void StructureP::canvasContextMenu(const QPoint &pos, const QPoint &globalPos)
{
    const int slot = slotAt(pos);
    const bool zh = m_session.chinese();
    if (slot < 0) {
        m_pageMenu->findChild<QAction *>(QStringLiteral("PagePaste"))
            ->setEnabled(m_session.elementOnClipboard());
        m_pageMenu->popup(globalPos);
        return;
    }
    if (!(m_area.members.size() > 0 &&
          std::find(m_area.members.begin(), m_area.members.end(), slot) != m_area.members.end()))
        selectSlot(slot);
    const PageRecord &r = m_session.project.record(m_page);
    QAction *lock = m_elementMenu->findChild<QAction *>(QStringLiteral("N3"));
    if (r.MoveLock[slot] != 0)
        lock->setText(zh ? QStringLiteral("解锁(&U)") : QStringLiteral("Deblocking(&U)"));
    else
        lock->setText(zh ? QStringLiteral("锁定(&L)") : QStringLiteral("Lock(&L)"));
    m_elementMenu->findChild<QAction *>(QStringLiteral("MovSubstrateN"))
        ->setVisible(slot < kFirstListSlot);
    m_elementMenu->findChild<QAction *>(QStringLiteral("OrganMultiCopy"))->setEnabled(false);
    m_elementMenu->popup(globalPos);
}

} // namespace brevix
