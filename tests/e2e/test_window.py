"""The programs open their turntable window and close cleanly by the close box."""
import pytest

import deck


@pytest.mark.parametrize("program", ["deckplayer.exe", "deckplayer-mini.exe"])
def test_window_opens_titled_and_closes_with_exit_code_0(launch, workdir, program):
    app = launch(program, workdir)

    assert app.title() == "Ровел mp3"
    assert app.client_size() == deck.CLOSED_SIZE

    app.click_close_box()
    assert app.wait_exit() == 0
