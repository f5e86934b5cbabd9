#pragma once
// Stepping a statement to its end and handing each row, as typed values, to a handler.

#include "db/statement.h"

#include <cstddef>
#include <tuple>
#include <utility>

namespace DataBase {

namespace detail {

template <class... Columns, class Handler, std::size_t... Index>
void CallWithRow(const Statement& statement, Handler& handler, std::index_sequence<Index...>) {
    // Braced initialisation reads the columns in order 0, 1, 2, ...
    std::tuple<Columns...> row{statement.Column<Columns>(static_cast<int>(Index))...};
    std::apply(handler, std::move(row));
}

}  // namespace detail

// Calls handler(column0, column1, ...) once per row, the columns read as Columns (int32_t, int64_t, double,
// std::wstring; NULL gives the empty value). The statement is consumed: finalized when the rows are
// exhausted, when a step fails (SqlException) and when the handler throws. A handler may run statements of
// its own on the same handle.
template <class... Columns, class Handler>
void ForEachRow(Statement statement, Handler&& handler) {
    while (statement.Step()) detail::CallWithRow<Columns...>(statement, handler, std::index_sequence_for<Columns...>{});
}

}  // namespace DataBase
