#include "cli/usage_text.h"

#include <string>

namespace verstak::batch {

const std::string_view kUsageSynopsis =
    "verstak-batch export  INPUT [--number N | --all] -o OUT\n"
    "                      [--target 7|9|10] [--layout one|separate|layers]\n"
    "                      [--passes text,arrows,empty,full,pictures,all]\n"
    "                      [--cell-width MM] [--cell-height MM] [--rounded] [--cmyk C,M,Y,K]\n"
    "verstak-batch save    INPUT --number N -o OUT.skw\n"
    "verstak-batch check   INPUT [--number N]\n"
    "verstak-batch info    INPUT [--number N] [--json]\n";

namespace {

const std::string_view kHelpDetails =
    "INPUT:  --grid FILE и (или) --definitions FILE: кроссворд номер N (по умолчанию 1)\n"
    "        из файла сеток и файла определений; или --scanword FILE.skw: сохранённый\n"
    "        сканворд (если он указан, файлы сеток и определений не читаются).\n"
    "\n"
    "export  макрос CorelDRAW в файл OUT. С --all: макрос N.csc в папку OUT для каждого\n"
    "        номера, у которого есть заголовок в файле сеток; каждый файл читается один раз.\n"
    "        --target     версия CorelDRAW (9)\n"
    "        --layout     one: всё на один слой; separate: раздельно на один слой;\n"
    "                     layers: по слоям (one)\n"
    "        --passes     что выводить при separate и layers: text (текст), arrows (стрелки),\n"
    "                     empty (пустые квадраты), full (полные квадраты), pictures (картинки),\n"
    "                     all (квадраты все) (все шесть)\n"
    "        --cell-width, --cell-height  размер клетки в мм, через запятую или точку (12,636)\n"
    "        --rounded    закруглять углы клеток (не закруглять)\n"
    "        --cmyk       цвет фона определений в процентах (0,0,0,20)\n"
    "save    сканворд в файл OUT.skw, как его сохраняет команда \"Сохранить\".\n"
    "check   проверка числа определений; код выхода 0 только при \"Все правильно!\".\n"
    "info    размер сетки, клетки определений и сама сетка; --json: документ в JSON.\n"
    "\n"
    "Код выхода: 0 готово, 1 ошибка (сообщение в stderr), 2 неверный вызов.\n";

}  // namespace

std::string HelpText() {
  return "verstak-batch: сканворды VERSTAK из командной строки.\n\n" + std::string(kUsageSynopsis) + "\n" +
         std::string(kHelpDetails);
}

}  // namespace verstak::batch
