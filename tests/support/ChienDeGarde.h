#pragma once
// Ends the test program with a message when what it watches has not finished
// within its bound, so that a hang fails the run instead of blocking it. It
// measures no speed: the bound is far above the time the work takes.

#include <QtGlobal>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

class ChienDeGarde {
public:
    ChienDeGarde(std::chrono::seconds limite, std::string quoi)
        : fil_([this, limite, quoi = std::move(quoi)] {
              std::unique_lock verrou(mutex_);
              if (!reveil_.wait_for(verrou, limite, [this] { return termine_; }))
                  qFatal("%s : pas fini en %lld s", quoi.c_str(), static_cast<long long>(limite.count()));
          }) {}

    ~ChienDeGarde() {
        {
            std::lock_guard verrou(mutex_);
            termine_ = true;
        }
        reveil_.notify_one();
        fil_.join();
    }

private:
    std::mutex mutex_;
    std::condition_variable reveil_;
    bool termine_ = false;
    std::thread fil_; // last: it starts once the others exist
};
