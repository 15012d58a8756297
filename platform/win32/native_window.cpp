// SPDX-License-Identifier: MIT
// The Win32 window: registered, sized for the picture at a whole scale,
// painted with StretchDIBits (a whole scale repeats each pixel, so the pixel
// art stays crisp), and waited on with GetMessageW, so that the program uses
// no CPU while nothing happens.
#include "platform/win32/native_state.h"

namespace platform::win32 {
namespace {

constexpr wchar_t WINDOW_CLASS[] = L"TalonixWindow";
constexpr DWORD WINDOW_STYLE = WS_OVERLAPPEDWINDOW;
constexpr int PROGRAM_ICON = 1; // the executable's icon (talonix.rc)

COLORREF colourRef(uint32_t pixel) {
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

// The outer size of a window whose client area is width x height.
SIZE outerSize(int width, int height) {
    RECT rect{0, 0, width, height};
    AdjustWindowRectEx(&rect, WINDOW_STYLE, FALSE, 0);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<NativeWindow::State*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (state == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (translateInput(*state, message, wParam, lParam)) {
        return 0;
    }
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        state->paint(dc);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1; // the paint covers the whole client area
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED) {
            state->push(NativeEvent{NativeEvent::Kind::Resized});
        }
        InvalidateRect(window, nullptr, FALSE);
        return 0;
    case WM_GETMINMAXINFO: {
        SIZE smallest = outerSize(PICTURE_WIDTH, PICTURE_HEIGHT);
        auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
        limits->ptMinTrackSize = POINT{smallest.cx, smallest.cy};
        return 0;
    }
    case WM_DPICHANGED: {
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(window, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_CLOSE:
        // The program's own Exit ends the run (it may close a dialog first).
        state->push(NativeEvent{NativeEvent::Kind::Close});
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

bool registerClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(PROGRAM_ICON));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(PROGRAM_ICON),
                                                        IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.lpszClassName = WINDOW_CLASS;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

RECT workArea() {
    RECT area{0, 0, 1024, 768};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

} // namespace

void NativeWindow::State::paint(HDC dc) const {
    RECT client{};
    GetClientRect(window, &client);
    View place = viewFor(client.right, client.bottom);
    int width = PICTURE_WIDTH * place.scale;
    int height = PICTURE_HEIGHT * place.scale;
    // The bars around the picture, never under it, so nothing flickers.
    HBRUSH bars = CreateSolidBrush(colourRef(backdrop));
    RECT parts[] = {{0, 0, client.right, place.top},
                    {0, place.top + height, client.right, client.bottom},
                    {0, place.top, place.left, place.top + height},
                    {place.left + width, place.top, client.right, place.top + height}};
    for (const RECT& part : parts) {
        if (part.right > part.left && part.bottom > part.top) {
            FillRect(dc, &part, bars);
        }
    }
    DeleteObject(bars);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = PICTURE_WIDTH;
    info.bmiHeader.biHeight = -PICTURE_HEIGHT; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32; // 0x00RRGGBB is BGRX in memory
    info.bmiHeader.biCompression = BI_RGB;
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, place.left, place.top, width, height, 0, 0, PICTURE_WIDTH, PICTURE_HEIGHT,
                  picture.data(), &info, DIB_RGB_COLORS, SRCCOPY);
}

// The whole monitor without a frame, and back to the window as it was.
void NativeWindow::State::toggleFullScreen() {
    LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    if (!fullScreen) {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        windowed.length = sizeof windowed;
        if (!GetWindowPlacement(window, &windowed) ||
            !GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) {
            return;
        }
        fullScreen = true;
        SetWindowLongPtrW(window, GWL_STYLE, style & ~static_cast<LONG_PTR>(WINDOW_STYLE));
        const RECT& all = monitor.rcMonitor;
        SetWindowPos(window, HWND_TOP, all.left, all.top, all.right - all.left,
                     all.bottom - all.top, SWP_NOOWNERZORDER | SWP_FRAMECHANGED);
    } else {
        fullScreen = false;
        SetWindowLongPtrW(window, GWL_STYLE, style | WINDOW_STYLE);
        SetWindowPlacement(window, &windowed);
        SetWindowPos(window, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_FRAMECHANGED);
    }
}

NativeWindow::NativeWindow() : state_(std::make_unique<State>()) {}

NativeWindow::~NativeWindow() {
    if (state_->window != nullptr) {
        SetWindowLongPtrW(state_->window, GWLP_USERDATA, 0);
        DestroyWindow(state_->window);
    }
}

int NativeWindow::workAreaScale() const {
    RECT area = workArea();
    SIZE frame = outerSize(0, 0);
    return fittingScale(area.right - area.left - frame.cx, area.bottom - area.top - frame.cy);
}

bool NativeWindow::open(int scale, std::string& error) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!registerClass(instance)) {
        error = "cannot register the window class";
        return false;
    }
    SIZE size = outerSize(PICTURE_WIDTH * scale, PICTURE_HEIGHT * scale);
    RECT area = workArea();
    int left = area.left + std::max(0L, (area.right - area.left - size.cx) / 2);
    int top = area.top + std::max(0L, (area.bottom - area.top - size.cy) / 2);
    state_->window = CreateWindowExW(0, WINDOW_CLASS, L"Talonix", WINDOW_STYLE, left, top, size.cx,
                                     size.cy, nullptr, nullptr, instance, nullptr);
    if (state_->window == nullptr) {
        error = "cannot create the window (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    SetWindowLongPtrW(state_->window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state_.get()));
    ShowWindow(state_->window, SW_SHOWNORMAL);
    UpdateWindow(state_->window);
    return true;
}

NativeEvent NativeWindow::wait() {
    while (state_->events.empty()) {
        MSG message;
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
            return NativeEvent{NativeEvent::Kind::Close};
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    NativeEvent next = state_->events.front();
    state_->events.pop_front();
    return next;
}

uint32_t NativeWindow::now() {
    return GetTickCount();
}

bool NativeWindow::waitUntil(uint32_t deadline, NativeEvent& event) {
    while (state_->events.empty()) {
        const uint32_t left = deadline - now();
        // Past the deadline the difference wraps round to a huge number.
        if (left == 0 || left > 0x7FFFFFFFu ||
            MsgWaitForMultipleObjects(0, nullptr, FALSE, left, QS_ALLINPUT) == WAIT_TIMEOUT) {
            return false;
        }
        MSG message;
        while (state_->events.empty() && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                state_->events.push_back(NativeEvent{NativeEvent::Kind::Close});
                break;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    event = state_->events.front();
    state_->events.pop_front();
    return true;
}

void NativeWindow::show(const uint32_t* pixels) {
    state_->picture.assign(pixels, pixels + state_->picture.size());
    HDC dc = GetDC(state_->window);
    if (dc != nullptr) {
        state_->paint(dc);
        ReleaseDC(state_->window, dc);
    }
}

void NativeWindow::setBackdrop(uint32_t pixel) {
    state_->backdrop = pixel;
}

void NativeWindow::setTitle(const std::u16string& title) {
    std::wstring shown =
        title.empty() ? L"Talonix" : std::wstring(title.begin(), title.end()) + L" \u2014 Talonix";
    SetWindowTextW(state_->window, shown.c_str());
}

View NativeWindow::view() const {
    RECT client{};
    GetClientRect(state_->window, &client);
    return viewFor(client.right, client.bottom);
}

bool NativeWindow::fullScreen() const {
    return state_->fullScreen;
}

} // namespace platform::win32
