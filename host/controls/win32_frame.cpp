#include "host/controls/win32_frame.h"

#include "host/controls/frame_shadow.h"
#include "host/controls/twips_half_even.h"

namespace vantrel::controls {

namespace {

const wchar_t kFrameClass[] = L"Vantrel.GFXFrameX";

bool RegisterFrameClass(WNDPROC proc) {
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kFrameClass;
  return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// Draws one ring or the panel with the current plan's shape kind.
void DrawShape(HDC dc, const FramePlan& plan, const FrameShape& shape) {
  GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, ToColorRef(shape.pen)));
  GdiObject<HBRUSH> brush(shape.filled ? CreateSolidBrush(ToColorRef(shape.fill)) : nullptr);
  SelectScope selPen(dc, pen.Get());
  SelectScope selBrush(dc, shape.filled ? static_cast<HGDIOBJ>(brush.Get()) : GetStockObject(NULL_BRUSH));
  const Box& b = shape.box;
  if (plan.rounded) {
    RoundRect(dc, b.left, b.top, b.right, b.bottom, plan.cornerDepth, plan.cornerDepth);
  } else {
    Rectangle(dc, b.left, b.top, b.right, b.bottom);
  }
}

}  // namespace

GFXFrameX::~GFXFrameX() { Destroy(); }

bool GFXFrameX::Create(HWND parent, forms::AmbientContainer& container, const std::string& name,
                       int left, int top, int width, int height) {
  if (hwnd_ || !RegisterFrameClass(&forms::ObjectWindowProc<GFXFrameX>)) return false;
  container_ = &container;
  name_ = name;
  widthTwips_ = width;
  heightTwips_ = height;
  props_ = NewFrameProperties(container.BackColor());
  const double tpp = ScreenTwipsPerPixelX();
  // NOTE: WS_EX_CONTROLPARENT lets dialog-style tab navigation enter the
  // controls placed inside the frame.
  hwnd_ = CreateWindowExW(WS_EX_CONTROLPARENT, kFrameClass, Utf8ToWide(name).c_str(),
                          WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                          TwipsToPixels(left, tpp), TwipsToPixels(top, tpp),
                          TwipsToPixels(width, tpp), TwipsToPixels(height, tpp), parent, nullptr,
                          GetModuleHandleW(nullptr), this);
  if (!hwnd_) return false;
  container.Attach(this);
  Refresh();  // stands for the first resize, which draws a new instance
  return true;
}

void GFXFrameX::Destroy() {
  if (container_) container_->Detach(this);
  container_ = nullptr;
  forms::DestroyObjectWindow(hwnd_);
}

void GFXFrameX::Changed(const char* property) {
  if (container_) container_->PropertyChanged(this, property);
  Refresh();
}

void GFXFrameX::SetFrameStyle(std::int32_t v) { props_.FrameStyle = v; Changed("FrameStyle"); }
void GFXFrameX::SetShowShadow(bool v) { props_.ShowShadow = v; Changed("ShowShadow"); }
void GFXFrameX::SetShadowDepth(int v) { props_.ShadowDepth = ClampShadowDepth(v); Changed("ShadowDepth"); }
void GFXFrameX::SetCornerDepth(int v) { props_.CornerDepth = ClampCornerDepth(v); Changed("CornerDepth"); }

void GFXFrameX::Refresh() { DrawFrame(); }

void GFXFrameX::InitProperties() {
  props_ = NewFrameProperties(container_ ? container_->BackColor() : 0);
}

void GFXFrameX::ReadProperties(const forms::PropertyBag& bag) {
  props_ = ReadFrameProperties(bag, container_ ? container_->BackColor() : 0);
  Refresh();
}

void GFXFrameX::WriteProperties(forms::PropertyBag& bag) const {
  WriteFrameProperties(bag, props_, container_ ? container_->BackColor() : 0);
}

void GFXFrameX::AmbientChanged(const std::string&) { Refresh(); }

void GFXFrameX::Move(int left, int top, int width, int height) {
  widthTwips_ = width;
  heightTwips_ = height;
  if (!hwnd_) return;
  const double tpp = ScreenTwipsPerPixelX();
  const int w = TwipsToPixels(width, tpp);
  const int h = TwipsToPixels(height, tpp);
  RECT rc{};
  GetClientRect(hwnd_, &rc);
  MoveWindow(hwnd_, TwipsToPixels(left, tpp), TwipsToPixels(top, tpp), w, h, TRUE);
  // An unchanged pixel size sends no WM_SIZE; the resize still redraws.
  if (rc.right == w && rc.bottom == h) Refresh();
}

void GFXFrameX::DrawFrame() {
  if (!container_) return;
  const double tpp = ScreenTwipsPerPixelX();
  const int w = TwipsToPixels(widthTwips_, tpp);
  // The height uses the horizontal twips per pixel too, as the original did.
  const int h = TwipsToPixels(heightTwips_, tpp);
  if (!surface_.Resize(w, h)) return;
  const FramePlan plan = PlanFrame(props_, container_->BackColor(), surface_.Width(), surface_.Height());
  HDC dc = surface_.Dc();
  surface_.Clear(ToColorRef(plan.background));
  for (size_t i = 0; i < plan.shapes.size(); ++i) {
    DrawShape(dc, plan, plan.shapes[i]);
    if (plan.smoothCorners && i + 1 == plan.shapes.size() - 1) {
      SmoothShadowCorners(surface_, plan.background, plan.cornerDepth, plan.shadowDepth);
    }
  }
  if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

void GFXFrameX::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  if (dc) surface_.Show(dc);
  EndPaint(hwnd_, &ps);
}

void GFXFrameX::OnSize(int width, int height) {
  const double tpp = ScreenTwipsPerPixelX();
  // Sized from outside in pixels: keep the twips in step.
  if (TwipsToPixels(widthTwips_, tpp) != width) widthTwips_ = PixelsToTwips(width, tpp);
  if (TwipsToPixels(heightTwips_, tpp) != height) heightTwips_ = PixelsToTwips(height, tpp);
  Refresh();
}

LRESULT GFXFrameX::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SIZE:
      OnSize(LOWORD(lp), HIWORD(lp));
      return 0;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      // The controls inside belong to the form: their notices go to it.
      return SendMessageW(GetParent(hwnd_), msg, wp, lp);
    default:
      return DefWindowProcW(hwnd_, msg, wp, lp);
  }
}

}  // namespace vantrel::controls
