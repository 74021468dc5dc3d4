#pragma once

// For calls that once hung: runs the call on a thread of its own and gives its
// result when it ends within the limit, nothing otherwise. A call that does not
// end is left running (detached) so that the test fails instead of hanging;
// it must therefore own everything it touches (capture by value).

#include <chrono>
#include <future>
#include <memory>
#include <optional>
#include <thread>
#include <type_traits>
#include <utility>

namespace kelvora::testing {

inline constexpr std::chrono::seconds kHangLimit{20};

template <class F>
auto ResultWithin(std::chrono::seconds limit, F call) -> std::optional<std::invoke_result_t<F&>> {
    using R = std::invoke_result_t<F&>;
    auto promise = std::make_shared<std::promise<R>>();
    std::future<R> result = promise->get_future();
    std::thread([promise, call = std::move(call)]() mutable { promise->set_value(call()); }).detach();
    if (result.wait_for(limit) != std::future_status::ready) return std::nullopt;
    return result.get();
}

}  // namespace kelvora::testing
