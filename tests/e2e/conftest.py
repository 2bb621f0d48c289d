"""Fixtures of the e2e tests: one display, one sound server and one warm Wine
for the whole run; a fresh working folder and program per test."""
import shutil

import pytest

import harness

ARTIFACTS = harness.BUILD / "e2e-artifacts"


@pytest.fixture(scope="session")
def display():
    x = harness.Xvfb()
    yield x.display
    x.stop()


@pytest.fixture(scope="session")
def pulse(tmp_path_factory):
    server = harness.PulseServer(tmp_path_factory.mktemp("pulse"))
    yield server
    server.stop()


@pytest.fixture(scope="session")
def wine(display, pulse, tmp_path_factory):
    w = harness.Wine(display, pulse.env)
    harness.wait_for_sound_device(w, tmp_path_factory.mktemp("warm-up"))
    yield w
    w.stop()


@pytest.fixture
def artifacts(request):
    folder = ARTIFACTS / request.node.name
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir(parents=True)
    return folder


@pytest.fixture
def workdir(tmp_path):
    """A working folder laid out like build/dist: the programs and their record pictures."""
    for item in harness.DIST.iterdir():
        if item.is_file():
            shutil.copy2(item, tmp_path / item.name)
    return tmp_path


@pytest.fixture
def launch(wine, artifacts):
    """Starts a program of build/dist in a working folder; stops what is left at the end."""
    started = []

    def start(program, cwd, extra_env=None):
        app = harness.App(wine, cwd / program, cwd, artifacts, extra_env=extra_env)
        started.append(app)
        return app

    yield start
    for app in started:
        if app.alive():
            app.stop()
