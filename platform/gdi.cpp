#include "gdi.h"

BOOL CBrush::CreateSolidBrush(COLORREF colour) {
  DeleteObject();
  handle_ = ::CreateSolidBrush(colour);
  return handle_ != nullptr;
}

BOOL CBrush::DeleteObject() {
  if (!handle_) return FALSE;
  BOOL done = ::DeleteObject(handle_);
  handle_ = nullptr;
  return done;
}

HGDIOBJ CDC::SelectStockObject(int index) { return ::SelectObject(m_hDC, ::GetStockObject(index)); }

HGDIOBJ CDC::SelectObject(HGDIOBJ object) { return ::SelectObject(m_hDC, object); }

BOOL CDC::Rectangle(int left, int top, int right, int bottom) {
  return ::Rectangle(m_hDC, left, top, right, bottom);
}

void CDC::FillRect(const RECT* rect, HBRUSH brush) { ::FillRect(m_hDC, rect, brush); }

COLORREF CDC::SetTextColor(COLORREF colour) { return ::SetTextColor(m_hDC, colour); }

COLORREF CDC::SetBkColor(COLORREF colour) { return ::SetBkColor(m_hDC, colour); }

int CDC::SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
