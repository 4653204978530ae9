#include "HostWindow.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "GfxAPI.h"
#include "HostEvents.h"
#include "UpdateRegion.h"
#include "WindowIcon.h"
#include "XErrorFilter.h"

namespace host {
namespace {

using Clock = std::chrono::steady_clock;

constexpr const char *kWindowTitle = "Quelmara";
// Size of the window until the dialog sets its own.
constexpr int kInitialWidth = 800;
constexpr int kInitialHeight = 620;

CHostWindow *activeHost = nullptr;

bool IsSet(const char *variable) {
    return variable && *variable;
}

// Holds SDL's video subsystem for as long as the window lives.
class CVideoSubsystem {
  public:
    CVideoSubsystem() : m_ok(SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) {}
    ~CVideoSubsystem() {
        if (!m_ok)
            return;
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0)
            SDL_Quit();
    }
    CVideoSubsystem(const CVideoSubsystem &) = delete;
    CVideoSubsystem &operator=(const CVideoSubsystem &) = delete;
    bool IsOpen() const { return m_ok; }

  private:
    bool m_ok;
};

struct WindowDeleter {
    void operator()(SDL_Window *window) const { SDL_DestroyWindow(window); }
};

// Marks a host as the running one for the scope of its DoModal.
class CActiveHostScope {
  public:
    explicit CActiveHostScope(CHostWindow *host) : m_previous(activeHost) { activeHost = host; }
    ~CActiveHostScope() { activeHost = m_previous; }
    CActiveHostScope(const CActiveHostScope &) = delete;
    CActiveHostScope &operator=(const CActiveHostScope &) = delete;

  private:
    CHostWindow *m_previous;
};

// SDL falls back on drivers that show nothing when no window system answers;
// a window there would be invisible, unless the user asked for one by name.
bool IsInvisibleFallback(const char *driver) {
    if (!driver || std::getenv("SDL_VIDEODRIVER"))
        return false;
    const std::string name = driver;
    return name == "offscreen" || name == "dummy";
}

std::string Variable(const char *name) {
    const char *value = std::getenv(name);
    return value ? value : "";
}

// SDL copies the icon's pixels, so they need not outlive the call.
void SetWindowIcon(SDL_Window *window) {
    std::vector<uint32_t> pixels = WindowIconPixels();
    SDL_Surface *icon = SDL_CreateRGBSurfaceWithFormatFrom(
        pixels.data(), kWindowIconSize, kWindowIconSize, 32,
        kWindowIconSize * static_cast<int>(sizeof(uint32_t)), SDL_PIXELFORMAT_ARGB8888);
    if (!icon)
        return;
    SDL_SetWindowIcon(window, icon);
    SDL_FreeSurface(icon);
}

// Rounds up, so that a wait never ends just before the deadline it waits for.
int MillisecondsUntil(Clock::time_point deadline) {
    const auto remaining = deadline - Clock::now();
    if (remaining <= Clock::duration::zero())
        return 0;
    return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(remaining).count());
}

// Converts a rectangle of the back buffer into the window surface; the part
// that lies on both, or nothing.
std::optional<SDL_Rect> CopyToSurface(const GUIRect &rect, SDL_Surface &surface) {
    const int left = std::max(rect.iLeft, 0);
    const int top = std::max(rect.iTop, 0);
    const int right = std::min({rect.iRight, surface.w, iGfxWidth});
    const int bottom = std::min({rect.iBottom, surface.h, iGfxHeight});
    if (left >= right || top >= bottom)
        return std::nullopt;
    const int sourcePitch = iGfxWidth * static_cast<int>(sizeof(uint32_t));
    const uint32_t *source = pGfxBackBuffer + static_cast<size_t>(top) * iGfxWidth + left;
    auto *target = static_cast<uint8_t *>(surface.pixels) +
                   static_cast<size_t>(top) * surface.pitch +
                   static_cast<size_t>(left) * surface.format->BytesPerPixel;
    SDL_ConvertPixels(right - left, bottom - top, SDL_PIXELFORMAT_XRGB8888, source, sourcePitch,
                      surface.format->format, target, surface.pitch);
    return SDL_Rect{left, top, right - left, bottom - top};
}

} // namespace

struct CHostWindow::Impl {
    std::unique_ptr<CVideoSubsystem> video;
    std::unique_ptr<SDL_Window, WindowDeleter> window;
    CEventDispatcher dispatcher;
    CHostDialog *dialog = nullptr;
    bool ended = false;
    int result = 0;
    std::optional<std::chrono::milliseconds> timerPeriod;
    Clock::time_point nextTick;
    bool inTimer = false;
    bool startedUp = false;
    std::function<void()> firstFrame;

    CUpdateRegion pending;
    uint64_t presents = 0;

    // Where the host reports that it is idle (QUELMARA_READY_FILE, for scripts
    // that drive the program): the number of mouse-button and key events
    // handled so far, rewritten whenever that number changed and everything
    // drawn is shown. First written once the first frame is shown.
    std::string readyFile = Variable("QUELMARA_READY_FILE");
    uint64_t inputs = 0;
    std::optional<uint64_t> reportedInputs;

    void ReportIdle() {
        if (readyFile.empty() || presents == 0 || reportedInputs == inputs)
            return;
        reportedInputs = inputs;
        const std::string partial = readyFile + ".partial";
        if (std::FILE *file = std::fopen(partial.c_str(), "w")) {
            std::fprintf(file, "%llu\n", static_cast<unsigned long long>(inputs));
            if (std::fclose(file) == 0)
                std::rename(partial.c_str(), readyFile.c_str());
        }
    }

    // Drawing only records what changed; the window is updated once per pass
    // of the event loop (PresentPending), not once per rectangle.
    static void DisplayHook(const GUIRect *rect, void *user) {
        static_cast<Impl *>(user)->pending.Add(*rect);
    }

    // Copies the recorded rectangles of the back buffer to the window and shows
    // them with one update. The window surface is fetched anew each time because
    // SDL replaces it when the window changes size.
    void PresentPending() {
        if (pending.IsEmpty())
            return;
        SDL_Surface *surface = SDL_GetWindowSurface(window.get());
        if (!surface || !pGfxBackBuffer ||
            (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0)) {
            pending.Clear();
            return;
        }
        std::vector<SDL_Rect> shown;
        for (const GUIRect &rect : pending.Rects())
            if (auto copied = CopyToSurface(rect, *surface))
                shown.push_back(*copied);
        if (SDL_MUSTLOCK(surface))
            SDL_UnlockSurface(surface);
        pending.Clear();
        if (shown.empty())
            return;
        SDL_UpdateWindowSurfaceRects(window.get(), shown.data(), static_cast<int>(shown.size()));
        ++presents;
        if (startedUp && firstFrame)
            std::exchange(firstFrame, nullptr)();
    }

    void Dispatch(const SDL_Event &event) {
        if (event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_MOUSEBUTTONUP ||
            event.type == SDL_KEYDOWN || event.type == SDL_KEYUP)
            ++inputs;
        dispatcher.Dispatch(event, *dialog);
    }

    // Stops at the end of the dialog: what is queued after it is not its business.
    void DispatchPending() {
        SDL_Event event;
        while (dialog && !ended && SDL_PollEvent(&event))
            Dispatch(event);
    }

    // Window events (paint, close) and quit requests only: mouse and keys
    // stay queued for when the screen takes input again.
    void DispatchWindowEvents() {
        SDL_PumpEvents();
        SDL_Event event;
        while (dialog && !ended &&
               SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_QUIT, SDL_SYSWMEVENT) == 1)
            Dispatch(event);
    }

    // One tick at most per call; ticks missed while the loop was busy are not
    // made up, as a window timer's are not.
    void DeliverTimerIfDue() {
        if (!timerPeriod || !dialog || ended || inTimer)
            return;
        const auto now = Clock::now();
        if (now < nextTick)
            return;
        nextTick += *timerPeriod;
        if (nextTick <= now)
            nextTick = now + *timerPeriod;
        inTimer = true;
        dialog->OnWindowTimer();
        inTimer = false;
    }

    // maxWait empty: wait until something arrives. What was drawn is shown first.
    void WaitAndPump(std::optional<std::chrono::milliseconds> maxWait) {
        PresentPending();
        if (!dialog || ended)
            return;
        ReportIdle();
        std::optional<int> timeout;
        if (maxWait)
            timeout = static_cast<int>(maxWait->count());
        if (timerPeriod) {
            const int untilTick = MillisecondsUntil(nextTick);
            timeout = timeout ? std::min(*timeout, untilTick) : untilTick;
        }
        SDL_Event event;
        const bool received =
            timeout ? SDL_WaitEventTimeout(&event, *timeout) == 1 : SDL_WaitEvent(&event) == 1;
        if (received)
            Dispatch(event);
        DispatchPending();
        DeliverTimerIfDue();
    }
};

CHostWindow::CHostWindow() : m_impl(std::make_unique<Impl>()) {}

std::optional<std::string> MissingDisplayMessage(const char *display, const char *waylandDisplay) {
    if (IsSet(display) || IsSet(waylandDisplay))
        return std::nullopt;
    return "quelmara: no display found (DISPLAY/WAYLAND_DISPLAY unset); "
           "start it from a desktop session, or under xvfb-run";
}

std::optional<std::string> MissingDisplayMessage() {
    return MissingDisplayMessage(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"));
}

CHostWindow::~CHostWindow() {
    if (m_impl->window)
        GfxAPISetDisplayHook(nullptr, nullptr);
}

bool CHostWindow::Open(std::string &error) {
    if (m_impl->window)
        return true;
    if (auto missing = MissingDisplayMessage()) {
        error = *missing;
        return false;
    }
    // Closing the window is the dialog's business (OnCancel), not a quit request.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    // The window shows a software back buffer: the window system's own image
    // transfer does it without starting an OpenGL stack.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // A desktop dialog leaves the screen saver alone.
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    FilterErrorsOfEventsToGoneWindows();
    auto video = std::make_unique<CVideoSubsystem>();
    if (!video->IsOpen()) {
        error = std::string("quelmara: cannot open the display: ") + SDL_GetError();
        return false;
    }
    if (IsInvisibleFallback(SDL_GetCurrentVideoDriver())) {
        error = "quelmara: cannot connect to the display (DISPLAY=" + Variable("DISPLAY") +
                ", WAYLAND_DISPLAY=" + Variable("WAYLAND_DISPLAY") + ")";
        return false;
    }
    std::unique_ptr<SDL_Window, WindowDeleter> window(
        SDL_CreateWindow(kWindowTitle, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                         kInitialWidth, kInitialHeight, SDL_WINDOW_HIDDEN));
    if (!window) {
        error = std::string("quelmara: cannot create the window: ") + SDL_GetError();
        return false;
    }
    SetWindowIcon(window.get());
    // Keys are read as key-downs only; no input method is wanted.
    SDL_StopTextInput();
    m_impl->video = std::move(video);
    m_impl->window = std::move(window);
    GfxAPISetDisplayHook(&Impl::DisplayHook, m_impl.get());
    return true;
}

int CHostWindow::DoModal(CHostDialog &dialog) {
    if (!m_impl->window || m_impl->dialog)
        return -1;
    CActiveHostScope activeScope(this);
    m_impl->dialog = &dialog;
    m_impl->ended = false;
    m_impl->result = 0;
    m_impl->startedUp = false;
    dialog.m_pHost = this;
    dialog.m_pLoop = this;
    dialog.OnInitDialog();
    m_impl->startedUp = true;
    if (!m_impl->ended)
        SDL_ShowWindow(m_impl->window.get());
    while (!m_impl->ended)
        m_impl->WaitAndPump(std::nullopt);
    m_impl->PresentPending();
    KillTimer();
    dialog.m_pHost = nullptr;
    dialog.m_pLoop = nullptr;
    m_impl->dialog = nullptr;
    return m_impl->result;
}

void CHostWindow::SetOuterSize(int32_t width, int32_t height) {
    SDL_Window *window = m_impl->window.get();
    if (!window)
        return;
    SDL_ShowWindow(window);
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;
    if (SDL_GetWindowBordersSize(window, &top, &left, &bottom, &right) != 0)
        top = left = bottom = right = 0;
    SDL_SetWindowSize(window, std::max(width - left - right, 1),
                      std::max(height - top - bottom, 1));
}

ClientSize CHostWindow::GetClientSize() const {
    int width = 0;
    int height = 0;
    if (m_impl->window)
        SDL_GetWindowSize(m_impl->window.get(), &width, &height);
    return {width, height};
}

void *CHostWindow::NativeHandle() const {
    return m_impl->window.get();
}

void CHostWindow::SetTimer(std::chrono::milliseconds period) {
    m_impl->timerPeriod = std::max(period, std::chrono::milliseconds(1));
    m_impl->nextTick = Clock::now() + *m_impl->timerPeriod;
}

void CHostWindow::KillTimer() {
    m_impl->timerPeriod.reset();
}

void CHostWindow::PumpPendingEvents() {
    m_impl->DispatchPending();
    m_impl->DeliverTimerIfDue();
    m_impl->PresentPending();
}

void CHostWindow::PumpWindowEvents() {
    m_impl->DispatchWindowEvents();
    m_impl->DeliverTimerIfDue();
    m_impl->PresentPending();
}

void CHostWindow::WaitAndPumpEvents(std::chrono::milliseconds maxWait) {
    m_impl->WaitAndPump(maxWait);
}

void CHostWindow::PresentPendingUpdates() {
    m_impl->PresentPending();
}

uint64_t CHostWindow::PresentCount() const {
    return m_impl->presents;
}

void CHostWindow::OnFirstFrame(std::function<void()> callback) {
    m_impl->firstFrame = std::move(callback);
}

void CHostWindow::EndModal(int result) {
    m_impl->ended = true;
    m_impl->result = result;
}

bool CHostWindow::IsModalEnded() const {
    return m_impl->ended;
}

CHostWindow *CHostWindow::Active() {
    return activeHost;
}

} // namespace host
