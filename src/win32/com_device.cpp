#include "win32/com_device.h"

#include "win32/text.h"

namespace np72::win32 {

namespace {

constexpr UINT kPortNotice = WM_APP + 1;
// Wine's pty waits end at once: between two looks at an unchanged queue the monitor pauses.
constexpr DWORD kIdlePauseMs = 15;
constexpr DWORD kLineEvents = EV_RXCHAR | EV_TXEMPTY | EV_RXFLAG | EV_RING | EV_BREAK | EV_CTS | EV_DSR | EV_ERR |
                              EV_RLSD | EV_RX80FULL;

bool Configure(HANDLE port) {
  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  if (!GetCommState(port, &dcb)) return false;
  dcb.BaudRate = CBR_9600;
  dcb.ByteSize = 8;
  dcb.Parity = NOPARITY;
  dcb.StopBits = ONESTOPBIT;
  dcb.fBinary = TRUE;
  dcb.fParity = FALSE;
  dcb.fOutxCtsFlow = FALSE;
  dcb.fOutxDsrFlow = FALSE;
  dcb.fDtrControl = DTR_CONTROL_DISABLE;
  dcb.fDsrSensitivity = FALSE;
  dcb.fOutX = FALSE;
  dcb.fInX = FALSE;
  dcb.fErrorChar = FALSE;
  dcb.fNull = FALSE;
  dcb.fRtsControl = RTS_CONTROL_DISABLE;
  dcb.fAbortOnError = FALSE;
  if (!SetCommState(port, &dcb)) return false;
  SetupComm(port, 1024, 1024);
  // Reads return at once with what has arrived; writes give up after 100 ms a byte plus 1 s.
  COMMTIMEOUTS timeouts{MAXDWORD, 0, 0, 100, 1000};
  SetCommTimeouts(port, &timeouts);
  SetCommMask(port, kLineEvents);
  return true;
}

// Runs one overlapped transfer to its end; false when it failed.
template <class Start>
bool Overlapped(HANDLE port, DWORD& done, Start start) {
  OVERLAPPED overlapped{};
  overlapped.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  bool ok = start(&overlapped) || (GetLastError() == ERROR_IO_PENDING && GetOverlappedResult(port, &overlapped, &done, TRUE));
  if (!ok) done = 0;
  CloseHandle(overlapped.hEvent);
  return ok;
}

}  // namespace

ComDevice::ComDevice(MainWindow& window) : hwnd_(window.Hwnd()) {
  window.Route(kPortNotice, [this](WPARAM generation, LPARAM notice) { OnNotice(generation, notice); });
}

ComDevice::~ComDevice() {
  // The form is gone by now: nothing is delivered any more.
  events_ = nullptr;
  Close();
}

bool ComDevice::Open(const std::string& name) {
  Close();
  const std::wstring path = L"\\\\.\\" + Wide(name);
  HANDLE port = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED,
                            nullptr);
  if (port == INVALID_HANDLE_VALUE) return false;
  // A name that maps to nothing may still open; its state cannot be read then.
  if (!Configure(port)) {
    CloseHandle(port);
    return false;
  }
  port_ = port;
  stop_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  notice_pending_ = false;
  read_since_notice_ = false;
  gone_reported_ = false;
  reported_ = 0;
  read_since_report_ = false;
  monitor_ = std::thread(&ComDevice::Monitor, this, port_, stop_, generation_.load());
  return true;
}

void ComDevice::Close() {
  if (port_ == INVALID_HANDLE_VALUE) return;
  SetEvent(stop_);
  CancelIoEx(port_, nullptr);
  monitor_.join();
  // A notification the monitor had already handed over still runs, before
  // the port goes; later ones belong to a closed generation.
  if (notice_pending_.exchange(false) && events_ != nullptr) DeliverBytes();
  ++generation_;
  CloseHandle(port_);
  CloseHandle(stop_);
  port_ = INVALID_HANDLE_VALUE;
  stop_ = nullptr;
}

void ComDevice::Write(const std::uint8_t* data, std::size_t size) {
  if (port_ == INVALID_HANDLE_VALUE || size == 0) return;
  DWORD written = 0;
  const bool ok = Overlapped(port_, written, [&](OVERLAPPED* overlapped) {
    return WriteFile(port_, data, static_cast<DWORD>(size), &written, overlapped) != FALSE;
  });
  if (!ok) ReportGone(generation_);
}

std::size_t ComDevice::Read(std::uint8_t* data, std::size_t size) {
  if (port_ == INVALID_HANDLE_VALUE || size == 0) return 0;
  DWORD read = 0;
  const bool ok = Overlapped(port_, read, [&](OVERLAPPED* overlapped) {
    return ReadFile(port_, data, static_cast<DWORD>(size), &read, overlapped) != FALSE;
  });
  if (!ok) ReportGone(generation_);
  read_since_report_ = true;
  read_since_notice_ = true;
  return read;
}

long ComDevice::Pending(HANDLE port) {
  DWORD errors = 0;
  COMSTAT status{};
  if (!ClearCommError(port, &errors, &status)) return -1;
  return static_cast<long>(status.cbInQue);
}

void ComDevice::Monitor(HANDLE port, HANDLE stop, unsigned generation) {
  OVERLAPPED overlapped{};
  overlapped.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  long seen = 0;
  for (;;) {
    DWORD mask = 0;
    ResetEvent(overlapped.hEvent);
    if (!WaitCommEvent(port, &mask, &overlapped) && GetLastError() == ERROR_IO_PENDING) {
      const HANDLE waits[] = {stop, overlapped.hEvent};
      if (WaitForMultipleObjects(2, waits, FALSE, INFINITE) == WAIT_OBJECT_0) {
        CancelIoEx(port, &overlapped);
        DWORD ignored = 0;
        GetOverlappedResult(port, &overlapped, &ignored, TRUE);
        break;
      }
      DWORD ignored = 0;
      GetOverlappedResult(port, &overlapped, &ignored, FALSE);
    }
    // Whatever ended the wait, the queue tells what is there.
    const long pending = Pending(port);
    if (pending < 0) {
      ReportGone(generation);
      break;
    }
    if (pending > 0 && !notice_pending_ && (pending != seen || read_since_notice_)) {
      read_since_notice_ = false;
      notice_pending_ = true;
      seen = pending;
      Post(generation, kBytes);
      continue;
    }
    if (pending == 0) seen = 0;
    if (WaitForSingleObject(stop, kIdlePauseMs) == WAIT_OBJECT_0) break;
  }
  CloseHandle(overlapped.hEvent);
}

void ComDevice::Post(unsigned generation, Notice notice) {
  PostMessageW(hwnd_, kPortNotice, generation, notice);
}

void ComDevice::ReportGone(unsigned generation) {
  if (!gone_reported_.exchange(true)) Post(generation, kGone);
}

void ComDevice::OnNotice(WPARAM generation, LPARAM notice) {
  if (generation != generation_ || port_ == INVALID_HANDLE_VALUE || events_ == nullptr) return;
  if (notice == kGone) {
    events_->DeviceGone();
  } else if (notice_pending_.exchange(false)) {
    DeliverBytes();
  }
}

void ComDevice::DeliverBytes() {
  const long pending = Pending(port_);
  if (pending < 0) {
    ReportGone(generation_);
    return;
  }
  // Reported again only when more bytes came or some were taken since.
  if (pending == 0 || (pending <= reported_ && !read_since_report_)) return;
  reported_ = pending;
  read_since_report_ = false;
  events_->Received(static_cast<int>(pending));
}

}  // namespace np72::win32
