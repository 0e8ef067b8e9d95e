// GDI wrappers: a brush that owns its handle, and a device-context wrapper that does not own
// its DC (it is attached to a DC that somebody else made and detached before that one ends).
#pragma once
#include "win_headers.h"

class CBrush {
 public:
  CBrush() = default;
  explicit CBrush(COLORREF colour) { CreateSolidBrush(colour); }
  ~CBrush() { DeleteObject(); }
  CBrush(const CBrush&) = delete;
  CBrush& operator=(const CBrush&) = delete;

  BOOL CreateSolidBrush(COLORREF colour);
  // Deletes the brush; harmless when there is none.
  BOOL DeleteObject();
  HBRUSH GetSafeHandle() const { return handle_; }
  operator HBRUSH() const { return handle_; }

 private:
  HBRUSH handle_ = nullptr;
};

class CDC {
 public:
  CDC() = default;
  explicit CDC(HDC dc) : m_hDC(dc) {}
  ~CDC() = default;  // never deletes the DC
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;

  HDC m_hDC = nullptr;
  HDC GetSafeHdc() const { return m_hDC; }
  void Attach(HDC dc) { m_hDC = dc; }
  HDC Detach() {
    HDC dc = m_hDC;
    m_hDC = nullptr;
    return dc;
  }

  HGDIOBJ SelectStockObject(int index);
  HGDIOBJ SelectObject(HGDIOBJ object);
  HGDIOBJ SelectObject(CBrush* brush) { return SelectObject(brush->GetSafeHandle()); }
  BOOL Rectangle(int left, int top, int right, int bottom);
  void FillRect(const RECT* rect, HBRUSH brush);
  void FillRect(const RECT* rect, CBrush* brush) { FillRect(rect, brush->GetSafeHandle()); }
  COLORREF SetTextColor(COLORREF colour);
  COLORREF SetBkColor(COLORREF colour);
  int SetBkMode(int mode);
};
