"""Three minutes of the soak (tests/e2e/soak.py): deckplayer going round a
folder of every kind of track must show no clear leak."""
import soak


def test_three_minutes_without_a_clear_leak(launch, workdir, wine, tmp_path, artifacts):
    folder = soak.make_folder(tmp_path / "music")
    player = launch("deckplayer.exe", workdir)
    lines = []

    def log(line):
        lines.append(line)
        print(line)
    report = soak.run(player, wine, folder, seconds=180, sample_seconds=10, warm_up=60,
                      stir_seconds=40, log=log)
    (artifacts / "soak.txt").write_text("\n".join(lines) + "\n" + report.text() + "\n")
    print(report.text())
    assert len(report.settled()) >= 10
    assert report.samples[-1].tracks >= 50, "the player did not go round its folder"
    assert report.leaks() == []
    assert player.alive()
