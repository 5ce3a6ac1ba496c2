#pragma once
// A task of ten ordinary chains of four operations each, two or three variants per operation, as a
// task script: the Gantt chart of a wide graph.
#include <string>

namespace zep::test {

inline std::string ten_chains_script() {
    static const char* works[] = {"Проект",  "Фундамент", "Каркас",          "Кровля",   "Сети",
                                  "Отделка", "Фасад",     "Благоустройство", "Поставки", "Наладка"};
    std::string s =
        R"({ "code": "GANT10", "name": "Десять цепочек: строительство корпуса", "minimise": "cost",
  "costUnit": "рубли", "timeUnit": "дни", "chains": [)";
    for (int c = 0; c < 10; ++c) {
        s += std::string(c ? "," : "") + "\n    { \"name\": \"" + works[c] + "\", \"operations\": [";
        for (int o = 0; o < 4; ++o) {
            const int base = 2 + (c * 7 + o * 3) % 9;
            s += std::string(o ? "," : "") + "\n      { \"name\": \"" + works[c] + " " +
                 std::to_string(o + 1) + "\", \"variants\": [";
            s += "{ \"essence\": \"быстро\", \"time\": " + std::to_string(base) +
                 ", \"cost\": " + std::to_string(10 + base) + " }, ";
            s += "{ \"essence\": \"дёшево\", \"time\": " + std::to_string(base + 3) +
                 ", \"cost\": " + std::to_string(4 + base) + " }";
            if ((c + o) % 3 == 0)
                s += ", { \"essence\": \"средне\", \"time\": " + std::to_string(base + 1) +
                     ", \"cost\": " + std::to_string(8 + base) + " }";
            s += "] }";
        }
        s += "] }";
    }
    s += R"(],
  "rounding": "mean", "tact": 1, "scaling": 1, "thresholds": [31, 33, 35, 38, 43] })";
    return s;
}

} // namespace zep::test
