#pragma once
// The simulator's end of a pseudo-terminal: the program opens the slave path as its serial
// port, the simulator reads and writes the master. The simulator keeps the slave open in raw
// mode itself, so the line neither echoes nor hangs up while the program closes and reopens
// the port (probing, changing ports).
#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace telvane::sim {

class PtyEndpoint {
 public:
  // Throws std::runtime_error with the system's reason when no pseudo-terminal can be had.
  PtyEndpoint();
  ~PtyEndpoint();
  PtyEndpoint(const PtyEndpoint&) = delete;
  PtyEndpoint& operator=(const PtyEndpoint&) = delete;

  const std::string& Path() const { return path_; }
  void SetOnData(std::function<void(std::string_view)> handler) { onData_ = std::move(handler); }
  // Whatever the pseudo-terminal cannot take now is lost, as on a line nobody listens to.
  void Write(std::string_view bytes);

 private:
  void Readable();

  int master_ = -1;
  int slave_ = -1;
  std::string path_;
  std::unique_ptr<QSocketNotifier> notifier_;
  std::function<void(std::string_view)> onData_;
};

}  // namespace telvane::sim
