#include "rate_limit.h"

#include <algorithm>
#include <iterator>

namespace kestrilon {

void RateLimiter::Refill(Bucket& b, Clock::time_point now) const {
    const double seconds = std::chrono::duration<double>(now - b.last).count();
    if (seconds > 0) b.tokens = std::min(burst_, b.tokens + seconds * perSecond_);
    b.last = std::max(b.last, now);
}

bool RateLimiter::Allow(const std::string& address, Clock::time_point now) {
    if (perSecond_ <= 0) return true;
    std::lock_guard lock(mutex_);
    auto found = buckets_.find(address);
    if (found == buckets_.end()) {
        if (buckets_.size() >= kMaxAddresses) {
            // A full bucket holds nothing worth remembering.
            for (auto it = buckets_.begin(); it != buckets_.end();) {
                Refill(it->second, now);
                it = it->second.tokens >= burst_ ? buckets_.erase(it) : std::next(it);
            }
            if (buckets_.size() >= kMaxAddresses) return false;
        }
        found = buckets_.emplace(address, Bucket{burst_, now}).first;
    }
    Bucket& b = found->second;
    Refill(b, now);
    if (b.tokens < 1) return false;
    b.tokens -= 1;
    return true;
}

}  // namespace kestrilon
