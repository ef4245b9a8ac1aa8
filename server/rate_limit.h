#pragma once
// Requests per client address: a bucket of `burst` requests per address, refilled at
// `perMinute`. The table of addresses is bounded; when it is full of busy addresses, new
// addresses wait until some bucket has refilled.
#include <chrono>
#include <mutex>
#include <string>
#include <unordered_map>

namespace kestrilon {

class RateLimiter {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr size_t kMaxAddresses = 10000;

    // perMinute 0 lets everything through.
    RateLimiter(double perMinute, double burst) : perSecond_(perMinute / 60.0), burst_(burst) {}

    bool Allow(const std::string& address, Clock::time_point now);

private:
    struct Bucket {
        double tokens = 0;
        Clock::time_point last;
    };
    void Refill(Bucket& b, Clock::time_point now) const;

    std::mutex mutex_;
    double perSecond_;
    double burst_;
    std::unordered_map<std::string, Bucket> buckets_;
};

}  // namespace kestrilon
