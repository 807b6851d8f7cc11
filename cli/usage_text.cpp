#include "cli/usage_text.h"

#include <string>

namespace verstak::batch {

const std::string_view kUsageSynopsis =
    "verstak-batch export  INPUT [--number N | --all] -o OUT\n"
    "                      [--format csc|pdf|svg] [--target 7|9|10] [--layout one|separate|layers]\n"
    "                      [--passes text,arrows,empty,full,pictures,all]\n"
    "                      [--cell-width MM] [--cell-height MM] [--rounded] [--cmyk C,M,Y,K]\n"
    "                      [TYPESET] [--margin MM] [--line-width MM] [--no-arrowheads] [--strict-fit] [--strict]\n"
    "                      [--page A4|A5|A3|WxH] [--bleed MM] [--marks]\n"
    "                      [--output-condition NAME] [--icc FILE]\n"
    "                      [--answers | --with-answers] [--answer-cell MM]\n"
    "verstak-batch book    (--grid FILE [--definitions FILE] (--all | --numbers LIST) | FILE.skw...)\n"
    "                      -o OUT.pdf [--per-page 1|2] [--title TEXT] [--markup] [--strict] [--answer-cell MM]\n"
    "                      [--page A4|A5|A3|WxH] [--bleed MM] [--marks] [--output-condition NAME] [--icc FILE]\n"
    "verstak-batch save    INPUT --number N -o OUT.skw\n"
    "verstak-batch check   INPUT [--number N] [--fit [TYPESET] [--cell-width MM] [--cell-height MM]]\n"
    "verstak-batch info    INPUT [--number N] [--json]\n"
    "                      [TYPESET] [--cell-width MM] [--cell-height MM]\n"
    "verstak-batch rebreak INPUT [--number N] -o OUT.skw [TYPESET] [--cell-width MM] [--cell-height MM]\n"
    "TYPESET: [--font FAMILY|FILE] [--font-size PT] [--min-font-size PT] [--line-spacing X]\n"
    "         [--no-kerning]\n";

namespace {

const std::string_view kHelpDetails =
    "INPUT:  --grid FILE и (или) --definitions FILE: кроссворд номер N (по умолчанию 1)\n"
    "        из файла сеток и файла определений; или --scanword FILE.skw: сохранённый\n"
    "        сканворд (если он указан, файлы сеток и определений не читаются).\n"
    "\n"
    "export  макрос CorelDRAW в файл OUT, а если OUT оканчивается на .pdf или .svg, то\n"
    "        готовый к печати PDF или SVG. С --all: файл N.csc в папку OUT для каждого\n"
    "        номера, у которого есть заголовок в файле сеток; каждый файл читается один раз.\n"
    "        --format     csc (макрос), pdf или svg; при --all это и расширение файлов\n"
    "        --target     версия CorelDRAW (9)\n"
    "        --layout     one: всё на один слой; separate: раздельно на один слой;\n"
    "                     layers: по слоям (one)\n"
    "        --passes     что выводить при separate и layers: text (текст), arrows (стрелки),\n"
    "                     empty (пустые квадраты), full (полные квадраты), pictures (картинки),\n"
    "                     all (квадраты все) (все шесть)\n"
    "        --cell-width, --cell-height  размер клетки в мм, через запятую или точку (12,636)\n"
    "        --rounded    закруглять углы клеток (не закруглять)\n"
    "        --cmyk       цвет фона определений в процентах (0,0,0,20)\n"
    "        Для PDF и SVG:\n"
    "        --font       шрифт определений: название семейства или файл .ttf (PT Sans Narrow)\n"
    "        --font-size  размер шрифта в пунктах (7); строки определения, которое не\n"
    "                     помещается, разбиваются заново по пробелам, а длинные слова -\n"
    "                     по слогам; если и так не помещается, размер уменьшается шагами\n"
    "                     по 0,25 пт до --min-font-size (5). Размер один на весь\n"
    "                     сканворд, если не помещаются не больше 5 % определений; они\n"
    "                     набираются одним вторым, меньшим размером, а не помещающиеся\n"
    "                     и в --min-font-size обрезаются по клетке\n"
    "        --line-spacing  расстояние между строками в размерах шрифта (1,15)\n"
    "        --no-kerning без кернинга пар знаков из шрифта\n"
    "        --margin     поле страницы вокруг сетки в мм (0)\n"
    "        --line-width толщина рамок и стрелок в мм (0,2)\n"
    "        --no-arrowheads  стрелки без наконечников\n"
    "        --strict-fit код выхода 1 и файл не записывается, если какое-то определение\n"
    "                     не помещается (число таких определений выводится всегда)\n"
    "        --strict     PDF и SVG не записываются (код выхода 1), если сканворд не готов\n"
    "                     к печати: число определений, разметка, пустые и не помещающиеся\n"
    "                     определения, лишние определения; каждая причина выводится. Без\n"
    "                     --strict это предупреждения в stderr, код выхода 0\n"
    "        PDF для печати (PDF/X-1a:2003; SVG - для правки, не для типографии):\n"
    "        --page       страница A4, A5, A3 или ШxВ в мм, сканворд посередине (по сетке)\n"
    "        --bleed      выпуск за обрез в мм, белый (3)\n"
    "        --marks      метки обреза за выпуском\n"
    "        --output-condition  условие печати: FOGRA39, FOGRA51, FOGRA52, GRACoL, SWOP\n"
    "                     или любое название вместе с --icc (FOGRA39)\n"
    "        --icc        профиль ICC условия печати (CMYK, версии 2), вкладывается в PDF\n"
    "        --answers    вместо сканворда ключ ответов: буквы в клетках, подпись\n"
    "                     \"Ответы к сканворду № N\" (PDF или SVG)\n"
    "        --with-answers  ключ ответов второй страницей PDF\n"
    "        --answer-cell  клетка ключа ответов в мм (5)\n"
    "book    выпуск: один PDF/X со сканвордами по одному на страницу (--per-page 2: по два,\n"
    "        если помещаются), внизу строка с --title, номером сканворда и страницы; затем\n"
    "        страницы ответов. Сканворд, не готовый к печати, пропускается, с --strict\n"
    "        выпуск не записывается. --numbers 5,7,12-20: какие номера (--page A4);\n"
    "        --markup: каждый сканворд сначала размечается автоматически\n"
    "save    сканворд в файл OUT.skw, как его сохраняет команда \"Сохранить\".\n"
    "check   проверка числа определений и разметки: каждая ошибка разметки по строке\n"
    "        (\"строка R, столбец C: ...\"); код выхода 0 только при \"Все правильно!\"\n"
    "        без ошибок разметки.\n"
    "        --fit: и каждое определение, которое не помещается в свою клетку или\n"
    "        пусто, по строке, и сколько определений набрано каким размером; тогда\n"
    "        код выхода 0, только если помещаются все.\n"
    "info    размер сетки, клетки определений и сама сетка; --json: документ в JSON,\n"
    "        с \"answers\": ответ и слово каждого определения, \"words\", \"faults\"\n"
    "        и \"fit\": размер шрифта, число строк, набрано ли заново и переполнение\n"
    "        каждого определения.\n"
    "rebreak строки определений, как их набирает PDF, записываются в сами определения\n"
    "        (\"Перенести строки\"), и сканворд сохраняется в OUT.skw; определение,\n"
    "        строки которого длиннее 32 знаков или которых больше 16, остаётся как было.\n"
    "\n"
    "Код выхода: 0 готово, 1 ошибка (сообщение в stderr), 2 неверный вызов.\n";

}  // namespace

std::string HelpText() {
  return "verstak-batch: сканворды VERSTAK из командной строки.\n\n" + std::string(kUsageSynopsis) + "\n" +
         std::string(kHelpDetails);
}

}  // namespace verstak::batch
