#pragma once

#include "editing/areaselection.h"
#include "editing/geometry.h"

#include <QImage>
#include <QWidget>
#include <array>
#include <optional>

class QMenu;
class QScrollArea;

namespace brevix {

class EditorSession;
class PageCanvas;

// The page editor window: one page of the project, its elements, the selection, the handles
// and the area selection. Every edit writes the page record at once.
class StructureP : public QWidget
{
    Q_OBJECT
public:
    StructureP(EditorSession &session, int page, QWidget *parent = nullptr);
    ~StructureP() override;

    int page() const { return m_page; }
    // PageNumberText + ":" + PageName, as the tree shows it.
    QString caption() const;
    QSize pageSize() const { return m_pageSize; }
    PageCanvas *canvas() const { return m_canvas; }

    // The page was renumbered (page attributes): the window follows it.
    void setPage(int page);
    // Activation: page size, background, undo baseline, selection cleared.
    void activate();
    // StructureGridding: redraw the background and grid (grid commands, attributes).
    void StructureGridding();
    // PageRefresh: rebuild every element visual from the record.
    void PageRefresh();
    // OrganEstablish / OrganRepaint of one slot: repair its geometry and redraw it.
    void OrganRepaint(int slot);

    // PlacedOrgan: a new element of the selected tool with its top-left at pos (editor
    // coordinates). Returns the slot, or nothing when the page is full for the kind.
    std::optional<int> PlacedOrgan(QPoint pos);

    // Selection.
    bool hasSelection() const { return m_singleSelected || !m_area.isEmpty(); }
    bool hasSingleSelection() const { return m_singleSelected; }
    bool hasAreaSelection() const { return !m_area.isEmpty(); }
    const AreaSelection &areaSelection() const { return m_area; }
    QRect selectionFrame() const { return m_frame; }
    void selectSlot(int slot);
    void clearSelection();
    // An area selection of the slots inside frame (as a drag from corner to corner does).
    void selectArea(const QRect &frame);
    // Makes the given slots the area selection (after an area paste).
    void WholePasteFinish(const std::vector<int> &pasted);
    // Shift+click on an element: adds it to the group or removes it.
    void toggleGroup(int slot);
    // Marks slot with the frame and red handles without selecting it (show an element).
    void markSlot(int slot);
    int markedSlot() const { return m_markedSlot; }

    // Commands on the selection.
    void AlignComponent(int n);
    void OrganDelete();
    // Lock ("锁定"): with an area selection lock sets every element, else toggles the current one.
    void setLocked(bool locked);
    void N3Click();
    void MovSubstrateNClick();
    bool PcKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void openProperties(int slot);

    // The pop-up menus (rebuilt for the interface language).
    void retranslate();

    // Drawing, called by the canvas.
    void paintPage(class QPainter &painter, const QRect &exposed);
    const QImage &elementImage(int slot) const { return m_images[size_t(slot)]; }

signals:
    // The selection, the lock state or the element clipboard commands changed.
    void selectionChanged();
    // Text for status panel 0 (messages) or 3 (pointer).
    void statusMessage(int panel, const QString &text);
    // Double-click on the empty page.
    void pageAttributesRequested();
    void pagePasteRequested();
    void cutRequested();
    void copyRequested();
    void multipleCopyRequested();
    void registerLookupRequested();
    void batchModificationRequested();

protected:
    void closeEvent(class QCloseEvent *event) override;

private:
    friend class PageCanvas;
    enum class Drag { None, Move, Resize, Area, GroupMove };

    void canvasPress(class QMouseEvent *event);
    void canvasMove(class QMouseEvent *event);
    void canvasRelease(class QMouseEvent *event);
    void canvasDoubleClick(class QMouseEvent *event);
    void canvasContextMenu(const QPoint &pos, const QPoint &globalPos);

    int slotAt(QPoint pos) const;
    std::optional<Handle> handleAt(QPoint pos) const;
    void showHandlesFor(int slot);
    void updateAreaFrame();
    void moveGroupBy(QPoint delta);
    void afterChange();
    void updateCanvasSize();
    void renderSlot(int slot);

    EditorSession &m_session;
    int m_page;
    QSize m_pageSize;
    QScrollArea *m_scroll = nullptr;
    PageCanvas *m_canvas = nullptr;
    QImage m_background;
    std::array<QImage, 201> m_images;

    bool m_singleSelected = false;
    QRect m_frame; // the selection frame (Shape1) around the current element
    AreaSelection m_area;
    int m_previousReference = -1;

    Drag m_drag = Drag::None;
    QPoint m_pressPos;
    QRect m_dragStartRect;
    Handle m_dragHandle = Handle::TopLeft;
    QRect m_areaDrawing;
    bool m_dragChanged = false;
    std::optional<QPoint> m_preview; // placement preview top-left
    bool m_hintVisible = false;
    int m_markedSlot = -1;

    QMenu *m_elementMenu = nullptr;
    QMenu *m_pageMenu = nullptr;
};

} // namespace brevix
