// Drawing of the page editor: background, elements, selection frame, handles, area markers.
#include "editing/placement.h"
#include "editor/editorsession.h"
#include "editor/structurep.h"

#include <QPainter>

namespace brevix {

namespace {
const QColor kNavy(0, 0, 128);
const QColor kFrameGrey(128, 128, 128);
} // namespace

void StructureP::paintPage(QPainter &painter, const QRect &exposed)
{
    painter.fillRect(exposed, palette().color(QPalette::Base));
    painter.drawImage(QPoint(kCanvasMargin, kCanvasMargin), m_background);
    const PageRecord &r = m_session.project.record(m_page);
    for (int s = 0; s < kSlotCount; ++s) {
        if (r.Kind[s] == 0 || m_images[size_t(s)].isNull())
            continue;
        const QRect box = slotRect(r, s);
        if (box.intersects(exposed))
            painter.drawImage(box.topLeft(), m_images[size_t(s)]);
    }

    QPen dotted(kFrameGrey, 1, Qt::DotLine);
    if (m_singleSelected && !m_frame.isNull()) {
        const int slot = m_session.project.currentSlot;
        painter.setPen(dotted);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(m_frame.adjusted(0, 0, -1, -1));
        const bool locked = r.MoveLock[slot] != 0;
        for (int i = 0; i < kHandleCount; ++i) {
            const Handle h = Handle(i);
            if (!handleVisible(h, r.Kind[slot], r.ByteC[slot]))
                continue;
            const QRect box(handlePosition(h, m_frame), QSize(kHandleSize, kHandleSize));
            painter.setPen(locked ? QPen(Qt::black) : QPen(kNavy));
            painter.setBrush(locked ? QBrush(palette().color(QPalette::Base)) : QBrush(kNavy));
            painter.drawRect(box.adjusted(0, 0, -1, -1));
        }
    }
    if (m_markedSlot >= 0) {
        const QRect frame = slotRect(r, m_markedSlot);
        painter.setPen(dotted);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(frame.adjusted(0, 0, -1, -1));
        painter.setPen(Qt::red);
        painter.setBrush(Qt::red);
        for (int i = 0; i < kHandleCount; ++i)
            painter.drawRect(
                QRect(handlePosition(Handle(i), frame), QSize(kHandleSize - 1, kHandleSize - 1)));
    }
    if (!m_areaDrawing.isNull()) {
        painter.setPen(dotted);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(m_areaDrawing);
    }
    if (!m_area.isEmpty()) {
        const int reference = m_area.referenceSlot();
        for (int s : m_area.members) {
            painter.setPen(Qt::black);
            painter.setBrush(s == reference ? QBrush(Qt::red)
                                            : QBrush(palette().color(QPalette::Base)));
            for (const QPoint &p : markerPositions(slotRect(r, s)))
                painter.drawRect(QRect(p, QSize(5, 5)).adjusted(0, 0, -1, -1));
        }
    }
    if (m_preview && m_session.project.selectedTool != 0) {
        const QSize size = placementSize(int(m_session.project.selectedTool),
                                         m_session.project.settings().LongA[51]);
        painter.setPen(dotted);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(*m_preview, size).adjusted(0, 0, -1, -1));
    }
}

} // namespace brevix
