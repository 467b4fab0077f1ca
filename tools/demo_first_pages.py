#!/usr/bin/python3
"""Writes the first small demo catalogue into demo/data: result.xml,
tree_ind.xml (both windows-1251), caption_det.txt and the pictures.

Each group picture is an exploded view drawn here together with its hot
areas, so every part's area is exactly the box of its drawn callout number.
Run from the repository root: /usr/bin/python3 tools/demo_first_pages.py
Needs python3-pil (Debian package).
"""

import math
import os
from xml.sax.saxutils import quoteattr, escape

from PIL import Image, ImageDraw, ImageFont

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "demo")
DATA = os.path.join(ROOT, "data")
IMG = os.path.join(DATA, "img")
FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
FONT_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

INK = (38, 44, 52)
FILL = (236, 240, 245)
FILL2 = (214, 221, 230)
AXIS = (150, 160, 172)
ACCENT = (239, 125, 0)
NAVY = (18, 45, 82)

W, H = 780, 540      # drawing canvas
OUT_W = 600          # width of the saved picture; areas are scaled with it

# Catalogue content. A part: (npos, supply mark, part number, variant, count,
# name, shape, instances on the picture). Shapes are drawn by draw_shape.
SECTIONS = [
    ("engine", "Двигатель", "sec_engine.jpg", "engine", [
        ("Механизм газораспределения", [
            ("g1006", "1006", "Привод газораспределительного механизма", [
                (1, "+", "3602-1006040", "", "1", "Ремень зубчатый привода ГРМ", "belt", 1),
                (2, "+", "3602-1006120", "", "1", "Ролик натяжной ремня ГРМ с эксцентриком", "pulley", 1),
                (3, "+", "3602-1006135", "16V", "1", "Ролик опорный ремня ГРМ", "pulley_s", 1),
                (4, "+", "3602-1005030", "", "1", "Шкив зубчатый коленчатого вала", "gear_s", 1),
                (5, "+", "3602-1006020", "", "1", "Шкив зубчатый распределительного вала впускного", "gear", 1),
                (6, "+", "3602-1006021", "16V", "1", "Шкив зубчатый распределительного вала выпускного", "gear", 1),
                (7, "+", "3602-1006220", "", "1", "Кожух ремня ГРМ передний верхний", "cover", 1),
                (8, "+", "3602-1006182", "", "2", "Болт М10x1,25x30 крепления ролика", "bolt", 2),
                (9, "", "3602-1006186", "", "2", "Шайба 10 упорная", "washer", 2),
                (10, "+", "3602-1006000-90", "", "1", "Комплект ремня ГРМ с роликами (ремонтный)", None, 0),
            ], [("g1007", "Клапаны и распределительные валы")]),
            ("g1007", "1007", "Клапаны и распределительные валы", [
                (1, "+", "3602-1006015", "16V", "1", "Вал распределительный впускных клапанов", "camshaft", 1),
                (2, "+", "3602-1006016", "16V", "1", "Вал распределительный выпускных клапанов", "camshaft", 1),
                (3, "+", "3602-1007010", "", "16", "Клапан впускной", "valve", 1),
                (4, "+", "3602-1007012", "", "16", "Клапан выпускной", "valve", 1),
                (5, "+", "3602-1007014", "", "16", "Пружина клапана", "spring", 1),
                (6, "", "3602-1007032", "", "16", "Тарелка пружины клапана", "washer", 1),
                (7, "", "3602-1007034", "", "32", "Сухарь клапана", "keeper", 1),
                (8, "+", "3602-1007110", "16V", "16", "Толкатель клапана гидравлический", "cup", 1),
                (9, "+", "3602-1007026", "", "16", "Колпачок маслоотражательный", "seal", 1),
            ], []),
        ]),
        ("Система смазки", [
            ("g1011", "1011", "Насос масляный и поддон картера", [
                (1, "+", "3602-1011010", "", "1", "Насос масляный в сборе", "pump", 1),
                (2, "+", "3602-1011032", "", "1", "Прокладка масляного насоса", "gasket", 1),
                (3, "+", "3602-1011100", "", "1", "Маслоприёмник с сеткой", "strainer", 1),
                (4, "+", "3602-1009010", "", "1", "Поддон картера", "pan", 1),
                (5, "+", "3602-1009060", "", "1", "Пробка сливная М14x1,5", "plug", 1),
                (6, "", "3602-1009062", "", "1", "Кольцо уплотнительное сливной пробки", "washer_s", 1),
                (7, "+", "3602-1012005", "", "1", "Фильтр масляный", "filter", 1),
                (8, "", "3602-1009078", "", "18", "Болт М6x16 крепления поддона", "bolt_s", 2),
            ], []),
        ]),
        ("Система охлаждения", [
            ("g1301", "1301", "Радиатор и термостат", [
                (1, "+", "3602-1301012", "", "1", "Радиатор охлаждения в сборе", "radiator", 1),
                (2, "+", "3602-1311065", "", "1", "Пробка расширительного бачка", "cap", 1),
                (3, "+", "3602-1311010", "", "1", "Бачок расширительный", "tank", 1),
                (4, "+", "3602-1306010", "8V", "1", "Термостат", "thermostat", 1),
                (4, "+", "3602-1306011", "16V", "1", "Термостат с корпусом", None, 0),
                (5, "", "3602-1306018", "", "1", "Прокладка корпуса термостата", "gasket_s", 1),
                (6, "+", "3602-1303010", "", "1", "Патрубок радиатора подводящий", "hose", 1),
                (7, "+", "3602-1303025", "", "1", "Патрубок радиатора отводящий", "hose", 1),
                (8, "", "3602-1303072", "", "4", "Хомут 32–50 мм", "clamp", 2),
            ], [("g1307", "Насос водяной")]),
            ("g1307", "1307", "Насос водяной", [
                (1, "+", "3602-1307010", "", "1", "Насос водяной в сборе", "pump", 1),
                (2, "+", "3602-1307046", "", "1", "Прокладка водяного насоса", "gasket", 1),
                (3, "+", "3602-1307052", "8V", "1", "Шкив водяного насоса", "pulley", 1),
                (4, "", "3602-1307063", "", "5", "Болт М6x25", "bolt_s", 2),
            ], [("g1301", "Радиатор и термостат")]),
        ]),
    ]),
    ("transmission", "Трансмиссия", "sec_transmission.jpg", "transmission", [
        ("Сцепление", [
            ("g1601", "1601", "Сцепление", [
                (1, "+", "3602-1601130", "", "1", "Диск сцепления ведомый", "clutch_disc", 1),
                (2, "+", "3602-1601085", "", "1", "Диск сцепления нажимной (корзина)", "clutch_cover", 1),
                (3, "+", "3602-1601180", "", "1", "Подшипник выключения сцепления", "bearing", 1),
                (4, "+", "3602-1601200", "", "1", "Вилка выключения сцепления", "fork", 1),
                (5, "+", "3602-1005115", "", "1", "Маховик в сборе", "flywheel", 1),
                (6, "", "3602-1601051", "", "6", "Болт М8x1,25x16 крепления корзины", "bolt_s", 2),
                (7, "+", "3602-1602210", "", "1", "Трос привода выключения сцепления", "cable", 1),
            ], [("g2215", "Привод передних колёс")]),
        ]),
        ("Привод колёс", [
            ("g2215", "2215", "Привод передних колёс", [
                (1, "+", "3602-2215010", "", "1", "Привод переднего колеса левый", "shaft", 1),
                (2, "+", "3602-2215011", "", "1", "Привод переднего колеса правый", "shaft", 1),
                (3, "+", "3602-2215068", "", "2", "Шарнир наружный равных угловых скоростей", "cv_joint", 1),
                (4, "+", "3602-2215057", "", "2", "Шарнир внутренний (трипод)", "tripod", 1),
                (5, "+", "3602-2215030", "", "2", "Чехол наружного шарнира", "boot", 1),
                (6, "", "3602-2215076", "", "4", "Хомут чехла шарнира", "clamp", 2),
                (7, "+", "3602-3103117", "", "2", "Гайка ступицы М20x1,5", "nut", 1),
            ], []),
        ]),
    ]),
    ("chassis", "Ходовая часть и тормоза", "sec_chassis.jpg", "chassis", [
        ("Передняя подвеска", [
            ("g2904", "2904", "Передняя подвеска: стойка и рычаг", [
                (1, "+", "3602-2905002", "", "2", "Стойка амортизаторная передняя", "strut", 1),
                (2, "+", "3602-2902712", "", "2", "Пружина передней подвески", "spring", 1),
                (3, "+", "3602-2902820", "", "2", "Опора стойки верхняя", "mount", 1),
                (4, "+", "3602-2902840", "", "2", "Подшипник опоры стойки", "bearing", 1),
                (5, "+", "3602-2904020", "", "1", "Рычаг передней подвески левый", "arm", 1),
                (5, "+", "3602-2904021", "", "1", "Рычаг передней подвески правый", None, 0),
                (6, "+", "3602-2904192", "", "2", "Опора шаровая", "ball_joint", 1),
                (7, "+", "3602-2906020", "", "2", "Стойка стабилизатора", "link", 1),
                (8, "", "3602-2904040", "", "4", "Сайлентблок рычага", "bushing", 2),
            ], [("g3501", "Тормозной механизм переднего колеса")]),
        ]),
        ("Задняя подвеска", [
            ("g2914", "2914", "Задняя подвеска", [
                (1, "+", "3602-2914010", "", "1", "Балка задней подвески", "beam", 1),
                (2, "+", "3602-2915004", "Седан", "2", "Амортизатор задний", "shock", 1),
                (2, "+", "3602-2915004-01", "Универсал", "2", "Амортизатор задний усиленный", None, 0),
                (3, "+", "3602-2912712", "", "2", "Пружина задней подвески", "spring", 1),
                (4, "+", "3602-2912622", "", "2", "Буфер хода сжатия", "buffer", 1),
                (5, "+", "3602-2914054", "", "2", "Сайлентблок балки", "bushing", 2),
                (6, "", "3602-2914060", "", "2", "Болт М12x1,25x90 крепления балки", "bolt", 1),
            ], []),
        ]),
        ("Тормозная система", [
            ("g3501", "3501", "Тормозной механизм переднего колеса", [
                (1, "+", "3602-3501070", "", "2", "Диск тормозной передний вентилируемый", "disc", 1),
                (2, "+", "3602-3501080", "", "1", "Колодки тормозные передние, комплект", "pads", 1),
                (3, "+", "3602-3501180", "", "2", "Суппорт в сборе", "caliper", 1),
                (4, "+", "3602-3501136", "", "2", "Скоба суппорта", "bracket", 1),
                (5, "+", "3602-3501160", "", "4", "Палец направляющий", "pin", 2),
                (6, "", "3602-3501164", "", "4", "Чехол направляющего пальца", "boot_s", 1),
                (7, "", "3602-3501105", "", "4", "Болт крепления скобы", "bolt", 1),
            ], [("g2904", "Передняя подвеска")]),
        ]),
    ]),
    ("electric", "Электрооборудование", "sec_electric.jpg", "electric", [
        ("Генератор и стартер", [
            ("g3701", "3701", "Генератор", [
                (1, "+", "3602-3701010", "", "1", "Генератор 14 В 90 А в сборе", "alternator", 1),
                (2, "+", "3602-3701200", "", "1", "Регулятор напряжения с щёткодержателем", "regulator", 1),
                (3, "+", "3602-3701052", "", "1", "Шкив генератора", "pulley_s", 1),
                (4, "+", "3602-3701310", "", "1", "Подшипник передний генератора", "bearing", 1),
                (5, "+", "3602-1041020", "", "1", "Ремень поликлиновой 6PK1115", "vbelt", 1),
                (6, "+", "3602-3701410", "", "1", "Кронштейн генератора", "bracket", 1),
                (7, "", "3602-3701433", "", "2", "Болт М10x1,25x90 крепления генератора", "bolt", 2),
            ], [("g3708", "Стартер")]),
            ("g3708", "3708", "Стартер", [
                (1, "+", "3602-3708010", "", "1", "Стартер в сборе", "starter", 1),
                (2, "+", "3602-3708800", "", "1", "Реле тяговое стартера", "solenoid", 1),
                (3, "+", "3602-3708600", "", "1", "Привод стартера (муфта свободного хода)", "gear_s", 1),
                (4, "+", "3602-3708470", "", "1", "Щёткодержатель с щётками", "regulator", 1),
                (5, "", "3602-3708055", "", "3", "Болт М10x1,25x35 крепления стартера", "bolt", 2),
            ], [("g3701", "Генератор")]),
        ]),
    ]),
]


def font(size, bold=False):
    return ImageFont.truetype(FONT_BOLD if bold else FONT, size)


# --- shapes: each draws around (cx, cy) and returns its bounding box -------

def ell(d, cx, cy, rx, ry, fill=FILL, width=2):
    d.ellipse((cx - rx, cy - ry, cx + rx, cy + ry), fill=fill, outline=INK, width=width)


def rect(d, x0, y0, x1, y1, fill=FILL, width=2, r=0):
    if r:
        d.rounded_rectangle((x0, y0, x1, y1), r, fill=fill, outline=INK, width=width)
    else:
        d.rectangle((x0, y0, x1, y1), fill=fill, outline=INK, width=width)


def gear(d, cx, cy, r, teeth, fill=FILL):
    pts = []
    for i in range(teeth * 2):
        a = math.pi * i / teeth
        rr = r if i % 2 == 0 else r - 6
        for da in (-0.12, 0.12):
            pts.append((cx + rr * math.cos(a + da * math.pi / teeth * 2),
                        cy + rr * math.sin(a + da * math.pi / teeth * 2)))
    d.polygon(pts, fill=fill, outline=INK)
    ell(d, cx, cy, r * 0.55, r * 0.55, FILL2)
    ell(d, cx, cy, r * 0.18, r * 0.18, (255, 255, 255))


def hexagon(d, cx, cy, r, fill=FILL2):
    pts = [(cx + r * math.cos(math.pi / 3 * i + math.pi / 6),
            cy + r * math.sin(math.pi / 3 * i + math.pi / 6)) for i in range(6)]
    d.polygon(pts, fill=fill, outline=INK)
    d.line(pts + [pts[0]], fill=INK, width=2)


def spring(d, cx, cy, w, h):
    n = 9
    pts = []
    for i in range(n * 2 + 1):
        y = cy - h / 2 + h * i / (n * 2)
        x = cx + (w / 2 if i % 2 else -w / 2)
        pts.append((x, y))
    d.line(pts, fill=INK, width=4, joint="curve")
    d.line(pts, fill=(120, 130, 140), width=1)


def draw_shape(d, kind, cx, cy):
    """Draws one part; returns its half-size (for callout leaders)."""
    if kind in ("belt", "vbelt"):
        w, h = (150, 70) if kind == "belt" else (160, 50)
        d.rounded_rectangle((cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2), h / 2, outline=INK, width=7)
        d.rounded_rectangle((cx - w / 2 + 3, cy - h / 2 + 3, cx + w / 2 - 3, cy + h / 2 - 3), h / 2 - 3,
                            outline=(90, 96, 104), width=1)
        return w / 2, h / 2
    if kind in ("pulley", "pulley_s", "disc", "flywheel", "clutch_disc", "clutch_cover"):
        r = {"pulley": 40, "pulley_s": 30, "disc": 58, "flywheel": 62, "clutch_disc": 50, "clutch_cover": 56}[kind]
        ell(d, cx, cy, r, r)
        ell(d, cx, cy, r * 0.78, r * 0.78, FILL2 if kind != "disc" else FILL)
        if kind in ("disc", "flywheel", "clutch_cover"):
            for i in range(6):
                a = math.pi / 3 * i
                ell(d, cx + r * 0.5 * math.cos(a), cy + r * 0.5 * math.sin(a), 4, 4, (255, 255, 255))
        if kind == "clutch_disc":
            for i in range(4):
                a = math.pi / 2 * i + 0.5
                rect(d, cx + r * 0.45 * math.cos(a) - 6, cy + r * 0.45 * math.sin(a) - 9,
                     cx + r * 0.45 * math.cos(a) + 6, cy + r * 0.45 * math.sin(a) + 9, FILL, 1)
        ell(d, cx, cy, r * 0.25, r * 0.25, (255, 255, 255))
        return r, r
    if kind in ("gear", "gear_s"):
        r = 44 if kind == "gear" else 30
        gear(d, cx, cy, r, 20 if kind == "gear" else 14)
        return r, r
    if kind in ("washer", "washer_s", "bearing", "seal", "clamp", "keeper", "cup"):
        r = {"washer": 16, "washer_s": 12, "bearing": 26, "seal": 14, "clamp": 20, "keeper": 10, "cup": 16}[kind]
        if kind == "clamp":
            d.ellipse((cx - r, cy - r, cx + r, cy + r), outline=INK, width=5)
            rect(d, cx + r - 4, cy - 6, cx + r + 10, cy + 6, FILL2, 2)
            return r + 10, r
        ell(d, cx, cy, r, r)
        ell(d, cx, cy, r * 0.5, r * 0.5, (255, 255, 255) if kind != "cup" else FILL2)
        if kind == "bearing":
            for i in range(10):
                a = math.pi / 5 * i
                ell(d, cx + r * 0.75 * math.cos(a), cy + r * 0.75 * math.sin(a), 3, 3, FILL2, 1)
        return r, r
    if kind in ("bolt", "bolt_s", "pin"):
        L = {"bolt": 70, "bolt_s": 46, "pin": 56}[kind]
        if kind == "pin":
            rect(d, cx - L / 2, cy - 6, cx + L / 2, cy + 6, FILL, 2, 5)
        else:
            hexagon(d, cx - L / 2, cy, 12)
            rect(d, cx - L / 2 + 10, cy - 6, cx + L / 2, cy + 6)
            for x in range(int(cx), int(cx + L / 2), 5):
                d.line((x, cy - 6, x + 3, cy + 6), fill=INK, width=1)
        return L / 2 + 12, 12
    if kind == "nut":
        hexagon(d, cx, cy, 20)
        ell(d, cx, cy, 9, 9, (255, 255, 255))
        return 20, 20
    if kind in ("cover", "gasket", "gasket_s", "pan", "mount", "bracket", "fork", "arm", "beam", "regulator"):
        if kind == "cover":
            d.polygon([(cx - 60, cy - 50), (cx + 50, cy - 55), (cx + 65, cy + 40), (cx - 40, cy + 55)],
                      fill=FILL, outline=INK, width=2)
            for p in ((cx - 45, cy - 38), (cx + 42, cy - 42), (cx + 50, cy + 30)):
                ell(d, p[0], p[1], 4, 4, (255, 255, 255))
            return 65, 55
        if kind in ("gasket", "gasket_s"):
            s = 1 if kind == "gasket" else 0.6
            rect(d, cx - 50 * s, cy - 32 * s, cx + 50 * s, cy + 32 * s, (250, 244, 232), 2, 8)
            ell(d, cx, cy, 20 * s, 20 * s, (255, 255, 255))
            for dx, dy in ((-38, -22), (38, -22), (-38, 22), (38, 22)):
                ell(d, cx + dx * s, cy + dy * s, 3, 3, (255, 255, 255), 1)
            return 50 * s, 32 * s
        if kind == "pan":
            d.polygon([(cx - 90, cy - 30), (cx + 90, cy - 30), (cx + 70, cy + 35), (cx - 60, cy + 35)],
                      fill=FILL, outline=INK, width=2)
            d.line((cx - 90, cy - 22, cx + 88, cy - 22), fill=INK, width=1)
            return 90, 35
        if kind == "mount":
            ell(d, cx, cy, 42, 16)
            rect(d, cx - 20, cy - 34, cx + 20, cy - 8, FILL2)
            for dx in (-30, 0, 30):
                d.line((cx + dx, cy - 14, cx + dx, cy - 44), fill=INK, width=3)
            return 42, 44
        if kind == "bracket":
            d.polygon([(cx - 45, cy - 35), (cx + 10, cy - 35), (cx + 45, cy + 5), (cx + 45, cy + 35),
                       (cx - 45, cy + 35)], fill=FILL, outline=INK, width=2)
            for p in ((cx - 30, cy - 20), (cx + 30, cy + 20), (cx - 30, cy + 20)):
                ell(d, p[0], p[1], 6, 6, (255, 255, 255))
            return 45, 35
        if kind == "fork":
            d.line((cx - 70, cy + 20, cx + 10, cy - 5), fill=INK, width=12)
            d.line((cx - 70, cy + 20, cx + 10, cy - 5), fill=FILL, width=8)
            d.arc((cx - 5, cy - 35, cx + 55, cy + 25), 200, 520, fill=INK, width=6)
            return 70, 35
        if kind == "arm":
            d.polygon([(cx - 90, cy - 20), (cx + 70, cy - 40), (cx + 85, cy - 10), (cx + 10, cy + 45),
                       (cx - 20, cy + 40), (cx - 90, cy + 8)], fill=FILL, outline=INK, width=2)
            for p in ((cx - 80, cy - 6), (cx + 72, cy - 25), (cx - 5, cy + 34)):
                ell(d, p[0], p[1], 9, 9, FILL2)
            return 90, 45
        if kind == "beam":
            rect(d, cx - 130, cy - 14, cx + 130, cy + 14, FILL, 2, 6)
            for sx in (-1, 1):
                d.polygon([(cx + sx * 130, cy - 14), (cx + sx * 150, cy - 40), (cx + sx * 162, cy - 30),
                           (cx + sx * 140, cy + 14)], fill=FILL2, outline=INK, width=2)
            return 160, 40
        if kind == "regulator":
            rect(d, cx - 34, cy - 24, cx + 34, cy + 24, FILL2, 2, 4)
            for dx in (-16, 0, 16):
                rect(d, cx + dx - 4, cy + 24, cx + dx + 4, cy + 40, FILL, 1)
            return 34, 40
    if kind in ("camshaft", "shaft"):
        L = 260 if kind == "camshaft" else 240
        rect(d, cx - L / 2, cy - 7, cx + L / 2, cy + 7, FILL, 2, 4)
        if kind == "camshaft":
            for i in range(8):
                x = cx - L / 2 + 25 + i * (L - 40) / 8
                ell(d, x, cy - 4 + (i % 2) * 8, 9, 14, FILL2)
        else:
            ell(d, cx - L / 2, cy, 24, 24, FILL2)
            ell(d, cx + L / 2, cy, 20, 20, FILL2)
            for x in range(int(cx - L / 2 + 30), int(cx - L / 2 + 60), 6):
                d.line((x, cy - 7, x, cy + 7), fill=INK, width=1)
        return L / 2, 16
    if kind == "valve":
        d.line((cx, cy - 55, cx, cy + 35), fill=INK, width=6)
        d.line((cx, cy - 55, cx, cy + 35), fill=FILL, width=2)
        d.polygon([(cx - 22, cy + 50), (cx + 22, cy + 50), (cx + 4, cy + 35), (cx - 4, cy + 35)],
                  fill=FILL2, outline=INK, width=2)
        return 22, 55
    if kind == "spring":
        spring(d, cx, cy, 40, 110)
        return 22, 55
    if kind in ("pump", "filter", "tank", "alternator", "starter", "solenoid", "thermostat", "cap", "plug"):
        if kind == "pump":
            ell(d, cx - 10, cy, 52, 46)
            ell(d, cx - 10, cy, 20, 20, FILL2)
            rect(d, cx + 30, cy - 14, cx + 72, cy + 14, FILL, 2, 6)
            return 72, 46
        if kind == "filter":
            rect(d, cx - 30, cy - 45, cx + 30, cy + 45, (232, 84, 40), 2, 10)
            for y in range(int(cy - 35), int(cy + 40), 10):
                d.line((cx - 28, y, cx + 28, y), fill=(180, 60, 30), width=1)
            rect(d, cx - 22, cy - 52, cx + 22, cy - 44, FILL2, 2)
            return 30, 52
        if kind == "tank":
            rect(d, cx - 55, cy - 35, cx + 55, cy + 40, (244, 246, 240), 2, 12)
            d.line((cx - 50, cy + 5, cx + 50, cy + 5), fill=(120, 170, 200), width=2)
            rect(d, cx - 12, cy - 50, cx + 12, cy - 35, FILL2)
            return 55, 50
        if kind == "alternator":
            ell(d, cx, cy, 62, 58)
            for i in range(12):
                a = math.pi / 6 * i
                d.line((cx + 25 * math.cos(a), cy + 25 * math.sin(a), cx + 52 * math.cos(a),
                        cy + 52 * math.sin(a)), fill=INK, width=3)
            ell(d, cx, cy, 18, 18, FILL2)
            return 62, 58
        if kind == "starter":
            rect(d, cx - 90, cy - 30, cx + 40, cy + 30, FILL, 2, 14)
            rect(d, cx + 40, cy - 18, cx + 80, cy + 18, FILL2, 2, 4)
            rect(d, cx - 60, cy - 58, cx + 20, cy - 30, FILL2, 2, 10)
            return 90, 58
        if kind == "solenoid":
            rect(d, cx - 45, cy - 20, cx + 45, cy + 20, FILL2, 2, 10)
            ell(d, cx + 45, cy, 6, 14, FILL)
            return 52, 20
        if kind == "thermostat":
            ell(d, cx, cy, 30, 30)
            spring(d, cx, cy + 10, 16, 40)
            ell(d, cx, cy - 20, 14, 6, FILL2)
            return 30, 32
        if kind in ("cap", "plug"):
            r = 18 if kind == "cap" else 14
            hexagon(d, cx, cy, r) if kind == "plug" else ell(d, cx, cy, r, r, FILL2)
            ell(d, cx, cy, r * 0.45, r * 0.45, FILL)
            return r, r
    if kind == "radiator":
        rect(d, cx - 120, cy - 80, cx + 120, cy + 80, FILL, 2, 4)
        for x in range(int(cx - 112), int(cx + 112), 8):
            d.line((x, cy - 72, x, cy + 72), fill=(150, 160, 172), width=1)
        rect(d, cx - 130, cy - 80, cx - 112, cy + 80, FILL2, 2)
        rect(d, cx + 112, cy - 80, cx + 130, cy + 80, FILL2, 2)
        return 130, 80
    if kind == "hose":
        pts = [(cx - 70, cy - 20), (cx - 30, cy + 25), (cx + 20, cy + 25), (cx + 70, cy - 10)]
        d.line(pts, fill=INK, width=16, joint="curve")
        d.line(pts, fill=(70, 76, 84), width=12, joint="curve")
        return 70, 25
    if kind in ("cv_joint", "tripod", "boot", "boot_s", "bushing", "buffer", "ball_joint", "link", "cable"):
        if kind == "cv_joint":
            ell(d, cx, cy, 36, 36)
            ell(d, cx, cy, 22, 22, FILL2)
            rect(d, cx + 30, cy - 8, cx + 70, cy + 8)
            return 70, 36
        if kind == "tripod":
            for i in range(3):
                a = 2 * math.pi / 3 * i - math.pi / 2
                d.line((cx, cy, cx + 28 * math.cos(a), cy + 28 * math.sin(a)), fill=INK, width=10)
                ell(d, cx + 30 * math.cos(a), cy + 30 * math.sin(a), 10, 10, FILL2)
            ell(d, cx, cy, 12, 12)
            return 40, 40
        if kind in ("boot", "boot_s"):
            s = 1 if kind == "boot" else 0.55
            pts = []
            for i in range(7):
                x = cx - 50 * s + i * 100 * s / 6
                r = (34 - i * 3.5) * s
                pts.append((x, r))
            d.polygon([(x, cy - r) for x, r in pts] + [(x, cy + r) for x, r in reversed(pts)],
                      fill=(70, 76, 84), outline=INK)
            for x, r in pts:
                d.line((x, cy - r, x, cy + r), fill=(120, 128, 138), width=1)
            return 50 * s, 34 * s
        if kind == "bushing":
            ell(d, cx, cy, 20, 20, (70, 76, 84))
            ell(d, cx, cy, 12, 12, FILL)
            ell(d, cx, cy, 6, 6, (255, 255, 255))
            return 20, 20
        if kind == "buffer":
            d.polygon([(cx - 16, cy - 36), (cx + 16, cy - 36), (cx + 22, cy + 36), (cx - 22, cy + 36)],
                      fill=(70, 76, 84), outline=INK)
            for y in (cy - 18, cy, cy + 18):
                d.line((cx - 19, y, cx + 19, y), fill=(130, 138, 148), width=2)
            return 22, 36
        if kind == "ball_joint":
            ell(d, cx, cy, 22, 22, FILL2)
            d.line((cx, cy - 22, cx, cy - 50), fill=INK, width=8)
            rect(d, cx - 30, cy + 10, cx + 30, cy + 24, FILL)
            return 30, 50
        if kind == "link":
            d.line((cx - 10, cy - 60, cx + 10, cy + 60), fill=INK, width=8)
            ell(d, cx - 10, cy - 60, 12, 12, FILL2)
            ell(d, cx + 10, cy + 60, 12, 12, FILL2)
            return 22, 72
        if kind == "cable":
            pts = [(cx - 110 + i * 20, cy + 25 * math.sin(i / 2.0)) for i in range(12)]
            d.line(pts, fill=INK, width=5, joint="curve")
            rect(d, cx - 124, cy - 8, cx - 104, cy + 8, FILL2)
            rect(d, cx + 106, cy - 8, cx + 126, cy + 8, FILL2)
            return 126, 30
    if kind == "strut":
        rect(d, cx - 16, cy - 20, cx + 16, cy + 90, FILL, 2, 6)
        d.line((cx, cy - 20, cx, cy - 90), fill=INK, width=6)
        rect(d, cx - 26, cy + 60, cx + 26, cy + 80, FILL2)
        return 26, 90
    if kind == "shock":
        rect(d, cx - 12, cy - 10, cx + 12, cy + 70, FILL, 2, 5)
        d.line((cx, cy - 10, cx, cy - 70), fill=INK, width=5)
        ell(d, cx, cy - 74, 10, 10, FILL2)
        ell(d, cx, cy + 76, 10, 10, FILL2)
        return 14, 86
    if kind == "strainer":
        d.line((cx - 60, cy - 30, cx, cy), fill=INK, width=10)
        d.line((cx - 60, cy - 30, cx, cy), fill=FILL, width=6)
        ell(d, cx + 20, cy + 10, 34, 20, FILL2)
        for x in range(int(cx - 6), int(cx + 48), 7):
            d.line((x, cy + 2, x, cy + 20), fill=INK, width=1)
        return 60, 30
    if kind == "pads":
        for dy in (-14, 14):
            d.pieslice((cx - 60, cy - 50 + dy, cx + 60, cy + 70 + dy), 220, 320, fill=FILL2, outline=INK)
        return 50, 40
    if kind == "caliper":
        rect(d, cx - 50, cy - 40, cx + 50, cy + 40, FILL, 2, 18)
        ell(d, cx, cy, 22, 22, FILL2)
        rect(d, cx - 60, cy - 10, cx - 48, cy + 10, FILL2)
        return 60, 40
    raise ValueError(kind)


# --- layout -----------------------------------------------------------------

def callout(d, n, x, y, f):
    r = 17
    d.ellipse((x - r, y - r, x + r, y + r), fill=(255, 255, 255), outline=NAVY, width=2)
    t = str(n)
    tw = d.textlength(t, font=f)
    d.text((x - tw / 2, y - 11), t, font=f, fill=NAVY)
    return (x - r - 2, y - r - 2, x + r + 2, y + r + 2)


def layout_points(sizes):
    """Centres for drawings of the given half-sizes: spaced by size along a
    diagonal, staggered above and below it, kept clear of the edges."""
    gaps = [max(70, (sizes[i][0] + sizes[i + 1][0]) * 0.8) for i in range(len(sizes) - 1)]
    total = sum(gaps) or 1
    x0, y0, x1, y1 = 120, 150, W - 130, H - 160
    pts, run = [], 0
    for i, (hw, hh) in enumerate(sizes):
        t = 0.5 if len(sizes) == 1 else run / total
        if i < len(gaps):
            run += gaps[i]
        x = x0 + (x1 - x0) * t
        y = y0 + (y1 - y0) * t + (-40 if i % 2 == 0 else 40)
        x = min(max(x, hw + 14), W - hw - 14)
        y = min(max(y, hh + 52), H - hh - 70)
        pts.append((x, y))
    return pts


def draw_group(key, gind, name, parts, links):
    im = Image.new("RGB", (W, H), (255, 255, 255))
    d = ImageDraw.Draw(im)
    f = font(18, True)
    drawn = []  # (npos, kind)
    for p in parts:
        for k in range(p[7]):
            drawn.append(p)
    scratch = ImageDraw.Draw(Image.new("RGB", (1000, 1000)))
    pts = layout_points([draw_shape(scratch, p[6], 500, 500) for p in drawn])
    # exploded-view axis
    d.line(pts, fill=AXIS, width=1)
    for i in range(len(pts) - 1):
        (xa, ya), (xb, yb) = pts[i], pts[i + 1]
        steps = int(math.hypot(xb - xa, yb - ya) // 12)
        for s in range(0, steps, 2):
            d.line((xa + (xb - xa) * s / steps, ya + (yb - ya) * s / steps,
                    xa + (xb - xa) * (s + 1) / steps, ya + (yb - ya) * (s + 1) / steps), fill=(255, 255, 255))
    areas = {}
    sizes = []
    for p, (x, y) in zip(drawn, pts):
        sizes.append(draw_shape(d, p[6], x, y))
    for i, (p, (x, y), (hw, hh)) in enumerate(zip(drawn, pts, sizes)):
        up = i % 2 == 0
        cx = x + (18 if up else -18)
        cy = y - hh - 36 if up else y + hh + 36
        cy = min(max(cy, 26), H - 26)
        cx = min(max(cx, 26), W - 26)
        d.line((x, y - hh + 4 if up else y + hh - 4, cx, cy + (17 if up else -17)), fill=NAVY, width=2)
        box = callout(d, p[0], cx, cy, f)
        areas.setdefault(p[0], []).append(tuple(int(v) for v in box))
    link_areas = []
    lf = font(17, True)
    ly = 30
    lx = W - 16
    for lk, lname in links:
        t = "См. группу " + lk[1:] + " ›"
        tw = d.textlength(t, font=lf)
        box = (int(lx - tw - 24), ly - 18, int(lx), ly + 18)
        d.rounded_rectangle(box, 8, fill=(255, 243, 230), outline=ACCENT, width=2)
        d.text((box[0] + 12, ly - 11), t, font=lf, fill=(160, 70, 0))
        link_areas.append((lk, box))
        lx = box[0] - 10
    d.text((16, H - 30), gind, font=font(16), fill=(150, 158, 168))
    k = OUT_W / W
    im = im.resize((OUT_W, round(H * k)), Image.LANCZOS)
    im.save(os.path.join(IMG, key + ".jpg"), quality=90, optimize=True)
    scale = lambda b: (math.floor(b[0] * k), math.floor(b[1] * k), math.ceil(b[2] * k), math.ceil(b[3] * k))
    return ({n: [scale(b) for b in boxes] for n, boxes in areas.items()},
            [(lk, scale(b)) for lk, b in link_areas])


# --- car drawings for the section and welcome pictures ---------------------

def car(d, ox, oy, s, highlight=None):
    body = [(0, 118), (6, 92), (40, 80), (120, 70), (175, 32), (215, 20), (330, 18), (372, 28),
            (420, 66), (500, 74), (540, 88), (548, 118), (540, 130), (0, 130)]
    P = lambda pts: [(ox + x * s, oy + y * s) for x, y in pts]
    d.polygon(P(body), fill=(245, 247, 250), outline=NAVY, width=3)
    d.polygon(P([(186, 38), (222, 28), (270, 27), (270, 68), (140, 70)]), fill=(205, 220, 236), outline=NAVY,
              width=2)
    d.polygon(P([(282, 27), (328, 26), (362, 34), (398, 66), (282, 68)]), fill=(205, 220, 236), outline=NAVY,
              width=2)
    d.line(P([(276, 24), (276, 126)]), fill=NAVY, width=2)
    d.line(P([(140, 72), (138, 126)]), fill=NAVY, width=2)
    zones = {"engine": (10, 76, 135, 128), "transmission": (120, 96, 250, 132),
             "chassis": (60, 100, 500, 150), "electric": (30, 80, 120, 112)}
    if highlight:
        x0, y0, x1, y1 = zones[highlight]
        d.rounded_rectangle((ox + x0 * s, oy + y0 * s, ox + x1 * s, oy + y1 * s), 10 * s,
                            outline=ACCENT, width=4)
    for wx in (105, 445):
        d.ellipse((ox + (wx - 38) * s, oy + 92 * s, ox + (wx + 38) * s, oy + 168 * s), fill=(52, 58, 66),
                  outline=NAVY, width=3)
        d.ellipse((ox + (wx - 20) * s, oy + 110 * s, ox + (wx + 20) * s, oy + 150 * s), fill=(200, 206, 214),
                  outline=NAVY, width=2)
    d.rectangle((ox + 530 * s, oy + 94 * s, ox + 546 * s, oy + 104 * s), fill=ACCENT)
    d.rectangle((ox + 4 * s, oy + 96 * s, ox + 16 * s, oy + 106 * s), fill=(255, 214, 150))


def section_picture(fname, title, zone, groups):
    w, h = 700, 420
    im = Image.new("RGB", (w, h), (255, 255, 255))
    d = ImageDraw.Draw(im)
    d.rectangle((0, 0, w, 64), fill=(242, 245, 249))
    d.text((28, 18), title, font=font(24, True), fill=NAVY)
    car(d, 80, 110, 1.0, zone)
    d.text((28, h - 56), "Групп в разделе: %d" % groups, font=font(15), fill=(90, 100, 112))
    d.text((28, h - 32), "Двойной щелчок по строке перечня открывает группу", font=font(13),
           fill=(130, 138, 148))
    im.save(os.path.join(IMG, fname), quality=88, optimize=True)


def welcome_picture():
    """The car with three parts lifted out of it, as on an exploded view."""
    w, h, k = 620, 236, 0.9
    im = Image.new("RGB", (w, h), (255, 255, 255))
    d = ImageDraw.Draw(im)
    ox, oy = 58, 62
    d.ellipse((40, 196, 580, 230), fill=(236, 240, 245))
    car(d, ox, oy, k)
    spots = [((62, 74), (ox + 60 * k, oy + 92 * k), "gear_s"), ((268, 36), (ox + 105 * k, oy + 130 * k), "disc"),
             ((560, 80), (ox + 445 * k, oy + 112 * k), "spring")]
    for (cx, cy), (tx, ty), kind in spots:
        steps = int(math.hypot(tx - cx, ty - cy) // 8)
        for i in range(0, steps, 2):
            d.line((cx + (tx - cx) * i / steps, cy + (ty - cy) * i / steps,
                    cx + (tx - cx) * (i + 1) / steps, cy + (ty - cy) * (i + 1) / steps), fill=ACCENT, width=2)
        d.ellipse((tx - 5, ty - 5, tx + 5, ty + 5), fill=ACCENT)
        d.ellipse((cx - 32, cy - 32, cx + 32, cy + 32), fill=(255, 255, 255), outline=ACCENT, width=3)
        part = Image.new("RGB", (200, 200), (255, 255, 255))
        pd = ImageDraw.Draw(part)
        hw, hh = draw_shape(pd, kind, 100, 100)
        r = max(hw, hh) + 4
        part = part.crop((100 - r, 100 - r, 100 + r, 100 + r)).resize((42, 42), Image.LANCZOS)
        mask = Image.new("L", (42, 42), 0)
        ImageDraw.Draw(mask).ellipse((0, 0, 41, 41), fill=255)
        im.paste(part, (int(cx) - 21, int(cy) - 21), mask)
    im.save(os.path.join(IMG, "welcome.jpg"), quality=90, optimize=True)


# --- files ------------------------------------------------------------------

def main():
    os.makedirs(IMG, exist_ok=True)
    res = ['<?xml version="1.0" encoding="windows-1251"?>', "<root>"]
    ind = ['<?xml version="1.0" encoding="windows-1251"?>', "<root>"]
    for skey, stitle, sjpg, zone, folders in SECTIONS:
        count = sum(len(g) for _, g in folders)
        section_picture(sjpg, stitle, zone, count)
        ind.append('  <%s caption=%s jpg=%s exp="1">' % (skey, quoteattr(stitle),
                                                         quoteattr("data\\img\\" + sjpg)))
        for ftitle, groups in folders:
            ind.append('    <folder caption=%s>' % quoteattr(ftitle))
            for key, gind, name, parts, links in groups:
                ind.append('      <group caption=%s ind="%s"/>' % (quoteattr(name + " (" + gind + ")"), key))
                areas, link_areas = draw_group(key, gind, name, parts, links)
                res.append('  <%s name=%s ind="%s" jpg=%s html="">' % (
                    key, quoteattr(name), gind, quoteattr("data\\img\\" + key + ".jpg")))
                res.append("    <details>")
                for p in parts:
                    area = "*".join("%d;%d;%d;%d" % a for a in areas.get(p[0], []))
                    res.append('      <det area="%s" npos="%d" zapas="%s" ndet="%s" variant=%s count="%s">%s</det>'
                               % (area, p[0], p[1], p[2], quoteattr(p[3]), p[4], escape(p[5])))
                res.append("    </details>")
                if link_areas:
                    res.append("    <link>")
                    for lk, box in link_areas:
                        res.append('      <%s area="%d;%d;%d;%d"/>' % ((lk,) + box))
                    res.append("    </link>")
                res.append("  </%s>" % key)
            ind.append("    </folder>")
        ind.append("  </%s>" % skey)
    res.append("</root>")
    ind.append("</root>")
    with open(os.path.join(DATA, "result.xml"), "wb") as f:
        f.write(("\r\n".join(res) + "\r\n").encode("cp1251"))
    with open(os.path.join(DATA, "tree_ind.xml"), "wb") as f:
        f.write(("\r\n".join(ind) + "\r\n").encode("cp1251"))
    with open(os.path.join(DATA, "caption_det.txt"), "wb") as f:
        f.write("Поз.[40]&&З/ч[36]&&Номер детали[118]&&Исп.[70]&&Кол.[40]&&Наименование\r\n"
                .encode("cp1251"))
    welcome_picture()


if __name__ == "__main__":
    main()
