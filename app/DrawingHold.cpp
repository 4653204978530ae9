#include "DrawingHold.h"

#include "GUIView.h"

CDrawingHold::CDrawingHold(GUIControl *pChanged) : m_pRoot(pChanged), m_pRepainted(nullptr) {
    GUIControl *pRootChild = pChanged;
    while (m_pRoot->pParent) {
        if (!m_pRepainted && m_pRoot->pType == &sGUIViewType)
            m_pRepainted = m_pRoot;
        pRootChild = m_pRoot;
        m_pRoot = m_pRoot->pParent;
    }
    if (!m_pRepainted)
        m_pRepainted = pRootChild;
    // The root, because a resize clears the flag of the control resized and
    // the changed control and its frame are resized as rows come in.
    m_bWasHeld = m_pRoot->bNoDraw;
    m_pRoot->bNoDraw = 1;
}

CDrawingHold::~CDrawingHold() {
    m_pRoot->bNoDraw = m_bWasHeld;
    if (!m_bWasHeld)
        GUIControlRedrawThis(m_pRepainted);
}
