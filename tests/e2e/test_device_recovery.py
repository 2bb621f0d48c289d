"""The sound server comes and goes under a running deckplayer: started after
the program, the next track is heard; killed during a track and started
again, the sound comes back, and the program never hangs."""
import time

import pytest

import harness
from harness import wait_until
from test_deckplayer import open_file, playing_title, power_on_and_open_panel

TONES = {"a.wav": 440.0, "b.wav": 660.0}


def heard_tone(server, artifacts, name, timeout):
    """Records two seconds at a time until a tone is heard; its frequency."""
    deadline = time.monotonic() + timeout
    attempt = 0
    while time.monotonic() < deadline:
        attempt += 1
        recording = server.record(artifacts / f"{name}-{attempt}.wav")
        time.sleep(2.0)
        sound = recording.stop()
        loud = sound.window(0.3, sound.seconds())
        if loud.level_db() > -30:
            return loud.frequency()
    return None


def test_sound_follows_the_server_as_it_starts_dies_and_returns(launch, workdir, tmp_path,
                                                                artifacts):
    music = tmp_path / "music"
    music.mkdir()
    harness.write_tone_wav(music / "a.wav", TONES["a.wav"], 4)
    harness.write_tone_wav(music / "b.wav", TONES["b.wav"], 40)
    root = tmp_path / "pulse"
    # The program looks for a server that is not there yet.
    player = launch("deckplayer.exe", workdir, extra_env=harness.PulseServer.environment(root))
    server = None
    try:
        power_on_and_open_panel(player)
        open_file(player, music / "a.wav")
        playing_title(player, ["a.wav"])
        time.sleep(1.0)
        server = harness.PulseServer(root)
        assert playing_title(player, ["b.wav"], timeout=10) == "b.wav"
        found = heard_tone(server, artifacts, "started", timeout=8)
        assert found == pytest.approx(TONES["b.wav"], rel=0.02), "the next track was not heard"

        server.crash()
        time.sleep(1.0)
        server = harness.PulseServer(root)
        found = heard_tone(server, artifacts, "restarted", timeout=15)
        assert found == pytest.approx(TONES["b.wav"], rel=0.02), "no sound after the restart"
        # Still answering: the title reads and the close box ends it.
        assert player.title() == "b.wav"
        player.click_close_box()
        assert player.wait_exit() == 0
    finally:
        if server:
            server.stop()
