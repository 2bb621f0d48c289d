"""A screen reader in another process reads a toolkit window's accessible
object under Wine (tests/e2e/programs/acctarget.cpp, resting in waitForEvent
between events): the controls of a small program, its list box's entries,
and a default action that the program carries out after the call returned."""
import harness

TARGET = harness.X64 / "tests" / "e2e" / "programs" / "acctarget.exe"
TITLE = "Проба доступности"
LIST_GADGET = 1

ROLE_CLIENT, ROLE_LIST, ROLE_LISTITEM, ROLE_PUSHBUTTON, ROLE_SLIDER = 0x0A, 0x21, 0x22, 0x2B, 0x33
SELECTED, FOCUSED, PRESSED = 0x2, 0x4, 0x8
FOCUSABLE, SELECTABLE = 0x100000, 0x200000


def test_a_reader_elsewhere_reads_the_controls_and_clicks_one(wine, artifacts, tmp_path):
    app = harness.App(wine, TARGET, tmp_path, artifacts)
    left, top, width, height = app.top.client

    def on_screen(l, t, r, b):
        return (left + l, top + t, r - l, b - t)

    def read():
        return harness.wait_until(lambda: wine.accessible(app.window_class, TITLE), 30, 0.2,
                                  "the window's accessible object")

    objects = read()
    # Whether the window itself holds the focus is the display's business.
    assert [(o.id, o.name, o.role, o.state & ~FOCUSED, o.value, o.location, o.action)
            for o in objects] == [
        (0, TITLE, ROLE_CLIENT, FOCUSABLE, "", (left, top, width, height), ""),
        (1, "Питание", ROLE_PUSHBUTTON, 0, "", on_screen(10, 10, 60, 40), "Нажать"),
        (2, "Громкость", ROLE_SLIDER, 0, "50 %", on_screen(100, 10, 300, 30), "Щёлкнуть"),
        (3, "Дорожки", ROLE_LIST, 0, "Вторая.wav", on_screen(20, 100, 220, 200), "Щёлкнуть"),
    ]

    # The entries lie one under the other inside the list box as the window
    # probe sees it, the selected one marked.
    entries = objects[3].entries
    assert [(e.id, e.name, e.role, e.state) for e in entries] == [
        (1, "Первая.mp3", ROLE_LISTITEM, FOCUSABLE | SELECTABLE),
        (2, "Вторая.wav", ROLE_LISTITEM, FOCUSABLE | SELECTABLE | SELECTED | FOCUSED),
    ]
    box = app.top.control(LIST_GADGET)
    box_left, box_top = left + box.rect[0], top + box.rect[1]
    for index, entry in enumerate(entries):
        x, y, w, h = entry.location
        assert h == box.item_height
        assert box_left <= x and x + w <= box_left + box.rect[2]
        assert y == entries[0].location[1] + index * h
        assert box_top <= y and y + h <= box_top + box.rect[3]

    assert wine.accessible_click(app.window_class, 1, TITLE)
    harness.wait_until(lambda: read()[1].state == PRESSED, 10, 0.2, "the power switched on")

    app.click_close_box()
    assert app.wait_exit() == 0
