#include "host/controls/win32_button.h"

#include <windowsx.h>

#include "host/controls/access_key.h"
#include "host/controls/default_caption.h"
#include "host/controls/twips_half_even.h"
#include "host/controls/win32_button_draw.h"
#include "host/forms/win32_focus.h"

namespace vantrel::controls {

namespace {

const wchar_t kButtonClass[] = L"Vantrel.ccXPButton";
constexpr int kMinTwips = 100;

bool RegisterButtonClass(WNDPROC proc) {
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kButtonClass;
  return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

ccXPButton* ButtonOf(HWND hwnd) {
  wchar_t cls[64] = {};
  if (!GetClassNameW(hwnd, cls, 64) || lstrcmpW(cls, kButtonClass) != 0) return nullptr;
  return reinterpret_cast<ccXPButton*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

ButtonKey KeyOf(WPARAM vk) {
  switch (vk) {
    case VK_RETURN: return ButtonKey::Enter;
    case VK_SPACE: return ButtonKey::Space;
    case VK_LEFT: return ButtonKey::Left;
    case VK_UP: return ButtonKey::Up;
    case VK_RIGHT: return ButtonKey::Right;
    case VK_DOWN: return ButtonKey::Down;
    default: return ButtonKey::Other;
  }
}

// The form's mouse-button and shift-state numbering.
std::int16_t MouseButtons(WPARAM wp) {
  return static_cast<std::int16_t>(((wp & MK_LBUTTON) ? kLeftButton : 0) |
                                   ((wp & MK_RBUTTON) ? kRightButton : 0) |
                                   ((wp & MK_MBUTTON) ? kMiddleButton : 0));
}

std::int16_t ShiftState() {
  return static_cast<std::int16_t>(((GetKeyState(VK_SHIFT) < 0) ? 1 : 0) |
                                   ((GetKeyState(VK_CONTROL) < 0) ? 2 : 0) |
                                   ((GetKeyState(VK_MENU) < 0) ? 4 : 0));
}

// Runs the window messages already waiting, as the access key asks for
// before it raises Click.
void PumpPendingMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace

std::vector<std::string> SiblingButtonCaptions(HWND form, const ccXPButton* except) {
  struct Walk {
    const ccXPButton* except;
    std::vector<std::string> captions;
  } walk{except, {}};
  EnumChildWindows(
      form,
      [](HWND child, LPARAM lp) -> BOOL {
        auto* w = reinterpret_cast<Walk*>(lp);
        if (const ccXPButton* b = ButtonOf(child); b && b != w->except) w->captions.push_back(b->Caption());
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&walk));
  return walk.captions;
}

ccXPButton::ccXPButton() : hook_(*this) {}

ccXPButton::~ccXPButton() { Destroy(); }

// Creation: busy until properties are set, palette, the designed font.
bool ccXPButton::Create(HWND parent, forms::AmbientContainer& container, forms::AccessKeyMap* keys,
                        const std::string& name, int left, int top, int width, int height) {
  if (hwnd_ || !RegisterButtonClass(&forms::ObjectWindowProc<ccXPButton>)) return false;
  logic_.bBusy = true;
  palette_ = InitPalette();
  pFONT = CreateFontFrom(props_.Font);
  container_ = &container;
  keys_ = keys;
  name_ = name;
  const double tpp = ScreenTwipsPerPixelX();
  hwnd_ = CreateWindowExW(0, kButtonClass, Utf8ToWide(name).c_str(),
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS,
                          TwipsToPixels(left, tpp), TwipsToPixels(top, tpp),
                          TwipsToPixels(width, tpp), TwipsToPixels(height, tpp), parent, nullptr,
                          GetModuleHandleW(nullptr), this);
  if (!hwnd_) return false;
  container.Attach(this);
  return true;
}

void ccXPButton::Destroy() {
  StopIntercepting();
  if (keys_) keys_->Remove(this);
  keys_ = nullptr;
  if (container_) container_->Detach(this);
  container_ = nullptr;
  forms::DestroyObjectWindow(hwnd_);
}

void ccXPButton::Changed(const char* property) {
  if (container_) container_->PropertyChanged(this, property);
}

void ccXPButton::SetCaption(const std::string& caption) {
  props_.Caption = caption;
  if (keys_) keys_->Set(this, GetAccessKey(caption));
  Run(logic_.Redraw());
  Changed("Caption");
}

void ccXPButton::SetEnabled(bool enabled) {
  props_.Enabled = enabled;
  logic_.Enabled = enabled;  // before the window's focus loss reaches the logic
  if (hwnd_) EnableWindow(hwnd_, enabled ? TRUE : FALSE);
  Run(logic_.SetEnabled(enabled));
  Changed("Enabled");
}

void ccXPButton::SetForeColor(Colour colour) {
  props_.ForeColor = colour;
  Run(logic_.Redraw());
  Changed("ForeColor");
}

void ccXPButton::SetFocusRect(bool focusRect) {
  props_.FocusRect = focusRect;
  Run(logic_.SetFocusRect(focusRect));
  Changed("FocusRect");
}

void ccXPButton::SetFont(const forms::FontDesc& font) {
  props_.Font = font;
  pFONT_FontChanged("Font");
}

void ccXPButton::pFONT_FontChanged(const std::string&) {
  pFONT = CreateFontFrom(props_.Font);
  Run(logic_.Redraw());
  Changed("Font");
}

void ccXPButton::InitProperties() {
  HWND form = hwnd_ ? GetAncestor(hwnd_, GA_ROOT) : nullptr;
  SetCaption(DefaultCaption(SiblingButtonCaptions(form, this), name_));
  SetForeColor(0);
  SetEnabled(true);
  SetFocusRect(true);
}

void ccXPButton::ReadProperties(const forms::PropertyBag& bag) {
  lParentHwnd = hwnd_ ? GetAncestor(hwnd_, GA_ROOT) : nullptr;
  const ButtonProperties p = ReadButtonProperties(bag, props_.Font);
  SetCaption(p.Caption);
  SetForeColor(p.ForeColor);
  SetFont(p.Font);
  SetFocusRect(p.FocusRect);
  SetEnabled(p.Enabled);
  if (container_ && container_->UserMode()) StartIntercepting();
  Run(logic_.FinishLoad());
}

void ccXPButton::WriteProperties(forms::PropertyBag& bag) const { WriteButtonProperties(bag, props_); }

void ccXPButton::StartIntercepting() {
  if (intercepting_ || !hwnd_) return;
  intercepting_ = true;
  hook_.HookWindow(hwnd_);
  hook_.HookMessage(hwnd_, WM_MOUSELEAVE, kHookAfter);
  if (!lParentHwnd) return;
  hook_.HookWindow(lParentHwnd);
  const bool mdiChild = (GetWindowLongPtrW(lParentHwnd, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0;
  hook_.HookMessage(lParentHwnd, mdiChild ? WM_NCACTIVATE : WM_ACTIVATE, kHookAfter);
}

void ccXPButton::StopIntercepting() {
  if (!intercepting_) return;
  intercepting_ = false;
  hook_.UnhookWindow(hwnd_);
  hook_.UnhookWindow(lParentHwnd);
}

void ccXPButton::zSubclass_Proc(bool bBefore, bool&, LRESULT&, HWND& lng_hWnd, UINT& uMsg,
                                WPARAM& wParam, LPARAM&) {
  if (bBefore) return;
  if (uMsg == WM_MOUSELEAVE && lng_hWnd == hwnd_) {
    Run(logic_.MouseLeave());
  } else if ((uMsg == WM_ACTIVATE || uMsg == WM_NCACTIVATE) && lng_hWnd == lParentHwnd) {
    // NOTE: WM_ACTIVATE carries the minimised flag in its high word; only the
    // low word tells activation from deactivation.
    const bool active = uMsg == WM_ACTIVATE ? LOWORD(wParam) != WA_INACTIVE : wParam != 0;
    Run(logic_.FormActivation(active));
  }
}

void ccXPButton::AmbientChanged(const std::string& name) {
  const bool isDefault = container_ && container_->DisplayAsDefault(this);
  Run(logic_.AmbientChanged(name == "DisplayAsDefault", isDefault));
}

void ccXPButton::AccessKeyPressed() { Run(logic_.AccessKeyPressed()); }

void ccXPButton::SnapMouseTo() {
  if (!hwnd_) return;
  POINT origin{0, 0};
  RECT rc{};
  if (!ClientToScreen(hwnd_, &origin) || !GetClientRect(hwnd_, &rc)) return;
  SetCursorPos(RoundHalfEven(origin.x + rc.right / 2.0), RoundHalfEven(origin.y + rc.bottom / 2.0));
}

void ccXPButton::TrackMouseLeave() {
  TRACKMOUSEEVENT tme = {};
  tme.cbSize = sizeof tme;
  tme.dwFlags = TME_LEAVE;
  tme.hwndTrack = hwnd_;
  TrackMouseEvent(&tme);
}

void ccXPButton::Move(int left, int top, int width, int height) {
  if (!hwnd_) return;
  const double tpp = ScreenTwipsPerPixelX();
  MoveWindow(hwnd_, TwipsToPixels(left, tpp), TwipsToPixels(top, tpp), TwipsToPixels(width, tpp),
             TwipsToPixels(height, tpp), TRUE);
}

// Carries out the steps in order; stops once an event handler has destroyed
// the window.
void ccXPButton::Run(const ButtonSteps& steps, std::int16_t button, std::int16_t shift, float x,
                     float y) {
  for (const ButtonStep& step : steps) {
    if (!hwnd_) return;
    switch (step.action) {
      case ButtonAction::Draw: DrawButton(step.value); break;
      case ButtonAction::Click: if (Click) Click(); break;
      case ButtonAction::DblClick: if (DblClick) DblClick(); break;
      case ButtonAction::MouseMove: if (MouseMove) MouseMove(button, shift, x, y); break;
      case ButtonAction::FormActivate: {
        std::int32_t state = step.value;
        if (FormActivate) FormActivate(state);
        break;
      }
      case ButtonAction::TrackMouseLeave: TrackMouseLeave(); break;
      case ButtonAction::FocusPrevious: forms::SendFocusKeys(hwnd_, "+{TAB}"); break;
      case ButtonAction::FocusNext: forms::SendFocusKeys(hwnd_, "{TAB}"); break;
      case ButtonAction::PumpMessages: PumpPendingMessages(); break;
    }
  }
}

// The state was stored by the logic; this paints it, clips the window and
// shows it.
void ccXPButton::DrawButton(int s) {
  if (!hwnd_) return;
  RECT rc{};
  GetClientRect(hwnd_, &rc);
  const int w = rc.right;
  const int h = rc.bottom;
  if (!surface_.Resize(w, h)) return;
  surface_.Clear(ToColorRef(container_ ? container_->BackColor() : 0));
  ButtonLook look;
  look.state = s;
  look.enabled = props_.Enabled;
  look.hasFocus = logic_.bHasFocus;
  look.focusRect = props_.FocusRect;
  look.foreColor = props_.ForeColor;
  look.caption = Utf8ToWide(props_.Caption);
  look.font = pFONT.Get();
  if (w != regionWidth_ || h != regionHeight_) {
    HRGN rgn = CreateRoundRectRgn(0, 0, w + 1, h + 1, 3, 3);
    // The window owns the region once it is set.
    if (rgn && !SetWindowRgn(hwnd_, rgn, TRUE)) DeleteObject(rgn);
    regionWidth_ = w;
    regionHeight_ = h;
  }
  logic_.bBusy = true;
  PaintButton(surface_.Dc(), w, h, palette_, look);
  logic_.bBusy = false;
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void ccXPButton::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  if (dc) surface_.Show(dc);
  EndPaint(hwnd_, &ps);
}

// Sizes below 100 twips are raised to 100 and drawn at once at the new size.
void ccXPButton::OnSize(int width, int height) {
  const double tpp = ScreenTwipsPerPixelX();
  const int minPixels = TwipsToPixels(kMinTwips, tpp);
  const bool raise = width * tpp < kMinTwips || height * tpp < kMinTwips;
  if (raise) {
    SetWindowPos(hwnd_, nullptr, 0, 0, width * tpp < kMinTwips ? minPixels : width,
                 height * tpp < kMinTwips ? minPixels : height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return;  // the new size arrives as its own WM_SIZE and draws there
  }
  Run(logic_.Redraw());
}

void ccXPButton::OnMouseMove(WPARAM wp, LPARAM lp) {
  RECT rc{};
  GetClientRect(hwnd_, &rc);
  const float x = static_cast<float>(GET_X_LPARAM(lp));
  const float y = static_cast<float>(GET_Y_LPARAM(lp));
  Run(logic_.MouseMove(x, y, rc.right, rc.bottom), MouseButtons(wp), ShiftState(), x, y);
}

LRESULT ccXPButton::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SIZE: OnSize(LOWORD(lp), HIWORD(lp)); return 0;
    case WM_MOUSEMOVE: OnMouseMove(wp, lp); return 0;
    case WM_LBUTTONDOWN:
      if (GetFocus() != hwnd_) SetFocus(hwnd_);
      SetCapture(hwnd_);
      Run(logic_.MouseDown(kLeftButton));
      return 0;
    case WM_RBUTTONDOWN: Run(logic_.MouseDown(kRightButton)); return 0;
    case WM_MBUTTONDOWN: Run(logic_.MouseDown(kMiddleButton)); return 0;
    case WM_LBUTTONUP:
      if (GetCapture() == hwnd_) ReleaseCapture();
      Run(logic_.LeftUp());
      return 0;
    case WM_LBUTTONDBLCLK:
      SetCapture(hwnd_);
      Run(logic_.DoubleClick());
      return 0;
    case WM_KEYDOWN: Run(logic_.KeyDown(KeyOf(wp))); return 0;
    case WM_KEYUP: Run(logic_.KeyUp(KeyOf(wp))); return 0;
    case WM_SETFOCUS: Run(logic_.FocusGained()); return 0;
    case WM_KILLFOCUS: Run(logic_.FocusLost()); return 0;
    case WM_GETDLGCODE: {
      // Arrows, Enter and space come to the button rather than the dialog.
      const auto* m = reinterpret_cast<const MSG*>(lp);
      LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
      if (m && m->message == WM_KEYDOWN && m->wParam == VK_RETURN) code |= DLGC_WANTMESSAGE;
      return code;
    }
    default: return DefWindowProcW(hwnd_, msg, wp, lp);
  }
}

}  // namespace vantrel::controls
