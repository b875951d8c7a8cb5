#!/usr/bin/env python3
"""Writes the element tables of assembled ventilation units (data/catalogue/pritoshka/*.tsv).

Every element of a section gets its loss law from the loss it has at a face speed of 3 m/s and the exponent of
its kind: an element with loss dp3 at the flow G3 = 3 m/s * 3600 * area has B = dp3 / G3^n (accessories, flow in
m3/h) or B = dp3 / (G3/1000)^n (heaters). Water heaters carry a transfer law kA = (A/1000) G^M W^H kW/K made from
an effectiveness at 3 m/s and a reference water flow; prices grow with the section's area.

    data/tools/unit_elements.py
"""
import os

OUT = os.path.join(os.path.dirname(__file__), '..', 'catalogue', 'pritoshka')

# index, width, height (mm)
SECTIONS = [(1, 300, 150), (2, 400, 200), (3, 500, 250), (4, 500, 300), (5, 600, 300), (6, 600, 350),
            (7, 700, 400), (8, 800, 500), (9, 900, 500), (10, 1000, 500)]


def area(a, b):
    return a * b * 1e-6


def size(a, b):
    return f'{a // 10}-{b // 10}'


def flow3(a, b):
    return 3 * 3600 * area(a, b)


def num(value, digits=6):
    text = f'{value:.{digits}g}'
    return text if 'e' not in text else f'{value:.{digits}e}'


def price(base, a, b):
    # roubles: a fixed part and a part growing with the section's area, to whole tens
    return int(round(base * (0.55 + 0.45 * area(a, b) / 0.18), -1))


def write(name, header, rows):
    with open(os.path.join(OUT, name + '.tsv'), 'w', encoding='utf-8', newline='\n') as f:
        f.write('\t'.join(header) + '\n')
        for row in rows:
            f.write('\t'.join(str(c) for c in row) + '\n')


def accessory_rows(kinds):
    rows = []
    for k, a, b in SECTIONS:
        for tip, prefix, length, dp3, n, base in kinds:
            l = length(a, b) if callable(length) else length
            rows.append((k, tip, f'{prefix} {size(a, b)}', l, num(n, 3), num(dp3 / flow3(a, b) ** n),
                         price(base, a, b)))
    return rows


ACCESSORY_HEADER = ['KanalIndex', 'Tip', 'Model', 'Dlina', 'n', 'B', 'Stoimost']


def mixing_length(a, b):
    return 400 if b <= 300 else 500 if b <= 400 else 600


def main():
    write('pryamotkanal', ['NUM', 'A', 'B', 'Sechenie'], [(k, a, b, f'{a}*{b}') for k, a, b in SECTIONS])

    # tip, model prefix, length mm, loss at 3 m/s Pa, exponent, price of the 600x300 element
    write('klapana', ACCESSORY_HEADER, accessory_rows([
        ('Воздушный', 'КВ', 150, 6, 2, 9800),
        ('Воздушный', 'КВУ', 200, 8, 2, 16400),  # insulated, with heating of the blades
        ('Обратный', 'КО', 300, 18, 2, 7600),
        ('Смесительный', 'КС', mixing_length, 14, 2, 21500),
    ]))
    write('filter_s', ACCESSORY_HEADER, accessory_rows([
        ('Панельный', 'ФЯ G3', 200, 38, 1.6, 6900),
        ('Панельный', 'ФЯ G4', 200, 55, 1.6, 7400),
        ('Карманный', 'ФК F5', 500, 85, 1.6, 12800),
        ('Карманный', 'ФК F7', 600, 120, 1.6, 15600),
        ('Карманный засор', 'ФК F7', 600, 250, 1.6, 15600),  # the loss of a filter due for change
    ]))
    write('glush', ACCESSORY_HEADER, accessory_rows([
        ('Пластинчатый', 'ГП-500', 500, 14, 2, 11200),
        ('Пластинчатый', 'ГП-1000', 1000, 24, 2, 17900),
    ]))
    write('reshetki', ACCESSORY_HEADER, accessory_rows([
        ('Наружная', 'РН', 100, 22, 2, 5300),
        ('Наружная с сеткой', 'РНС', 120, 30, 2, 6100),
    ]))
    write('vstavki', ACCESSORY_HEADER, [(k, 'Гибкая', f'ВГ {size(a, b)}', 150, '', '', price(3200, a, b))
                                        for k, a, b in SECTIONS])

    # Water heaters: rows of tubes, fin pitch, effectiveness at 3 m/s, loss at 3 m/s (Pa), water loss at the
    # reference water flow (kPa), length (mm), price of the 600x300 heater.
    water_types = [
        ('ВНВ 2 ряда', 2, [('2,5', 0.42, 24), ('1,8', 0.47, 31)], 4.5, 250, 21800),
        ('ВНВ 3 ряда', 3, [('2,5', 0.56, 36), ('1,8', 0.62, 46)], 7.0, 250, 27400),
        ('ВНВ 4 ряда', 4, [('2,5', 0.67, 48), ('1,8', 0.73, 61)], 9.5, 300, 33900),
    ]
    teploob = []
    m_exp, h_exp, n_air, k_water = 0.65, 0.12, 1.75, 1.8
    for tip, rows, pitches, dpw, length, base in water_types:
        for k, a, b in SECTIONS:
            g3 = flow3(a, b)
            w_ref = 700 * area(a, b) / 0.18  # kg/h at design duty in this section
            for pitch, eff, dp3 in pitches:
                # kA = eff * G/2956 at 3 m/s and the reference water flow, then G^M W^H around it
                a_coef = 1000 * eff * g3 / 2956 / (g3 ** m_exp * w_ref ** h_exp)
                b_coef = dp3 / (g3 / 1000) ** n_air
                c_coef = dpw / (w_ref / 100) ** k_water
                teploob.append([tip, k, f'ВНВ {rows}-{size(a, b)} ш{pitch}', length, price(base, a, b),
                                num(n_air, 3), num(b_coef), num(a_coef), num(m_exp, 3), num(h_exp, 3),
                                num(k_water, 3), num(c_coef)])
    write('teploob', ['NUM', 'Tip', 'KanalIndex', 'Model', 'Dlina', 'Stoimost', 'n', 'B', 'A', 'M', 'H', 'K',
                      'C'], [[i + 1] + r for i, r in enumerate(teploob)])

    # Electric heaters: steps of power that suit the section (an air rise of about 8 to 60 K at 3 m/s).
    elektr = []
    steps = [5, 7.5, 10, 15, 22.5, 30, 45, 60, 75, 90, 120]
    for k, a, b in SECTIONS:
        g3 = flow3(a, b)
        for p in steps:
            if g3 * 8 / 3000 <= p <= g3 * 60 / 3000:
                elektr.append(['ЭНВ 380 В', k, f'ЭНВ {size(a, b)}/{num(p, 3).replace(".", ",")}', 400,
                               int(round(12000 + 520 * p, -1)), '1.8', num(12 / (g3 / 1000) ** 1.8), num(p, 4)])
        if k <= 3:
            for p in (2.5, 5):
                elektr.append(['ЭНВ 220 В', k, f'ЭНВ-1Ф {size(a, b)}/{num(p, 3).replace(".", ",")}', 300,
                               int(round(8000 + 600 * p, -1)), '1.8', num(10 / (g3 / 1000) ** 1.8), num(p, 4)])
    write('teplelektr', ['NUM', 'Tip', 'KanalIndex', 'Model', 'Dlina', 'Stoimost', 'n', 'B', 'Moshnost'],
          [[i + 1] + r for i, r in enumerate(elektr)])

    coolers = []
    for tip, base, extra in (('ХРСА', 31500, 0), ('ХРСБ', 28900, 50)):
        for k, a, b in SECTIONS:
            if k >= 2:
                coolers.append((tip, k, (450 if b <= 300 else 550) + extra, price(base, a, b)))
    write('hrsa_hrsb', ['Tip', 'KanalIndex', 'Dlina', 'Stoimost'], coolers)

    kkb = [('KKB-001', 118000, '850x320x620'), ('KKB-002', 142000, '850x320x700'),
           ('KKB-003', 164000, '950x340x780'), ('KKB-004', 187000, '950x340x840'),
           ('KKB-005', 219000, '1000x380x880'), ('KKB-006', 248000, '1000x380x980'),
           ('KKB-007', 287000, '1100x420x1100'), ('KKB-008', 342000, '1250x450x1200'),
           ('KKB-009', 416000, '1350x520x1250'), ('KKB-010', 489000, '1500x560x1300'),
           ('KKB-011', 598000, '1700x650x1400')]
    # Each unit cools at least the upper duty of its range (kW) at a coefficient of performance near 3;
    # sound power and mass grow with the cooling duty.
    cooling = [4.0, 6.3, 8.0, 9.8, 13.2, 16.0, 19.5, 26.2, 34.5, 43.0, 52.0]
    kkb = [(name, price_, dims, num(q / (3.2 - 0.03 * i), 3), num(q, 3), 62 + round(1.6 * i),
            round(48 + 0.55 * q * q ** 0.6))
           for i, ((name, price_, dims), q) in enumerate(zip(kkb, cooling))]
    write('kkb', ['Name', 'Price', 'A_B_H', 'Moschnost', 'Moschnost_oxl', 'LdBA', 'MASSA'], kkb)


if __name__ == '__main__':
    main()
