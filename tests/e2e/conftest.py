import os
import shutil
import sys
import tempfile

import pytest

sys.path.insert(0, os.path.dirname(__file__))

from desktop import Desktop  # noqa: E402
from driver import LinuxDriver  # noqa: E402


def pytest_addoption(parser):
    parser.addoption("--program", default=os.environ.get("TEXTMEND_PROGRAM"),
                     help="the program to test (default: $TEXTMEND_PROGRAM)")


@pytest.fixture(scope="session")
def desktop():
    screen = Desktop().start()
    yield screen
    screen.stop()


@pytest.fixture
def desktop_with_tray(desktop):
    desktop.start_tray()
    return desktop


@pytest.fixture
def program(request, desktop_with_tray):
    """A driver for a program not yet started, with a settings store of its own."""
    path = request.config.getoption("--program")
    if not path or not os.access(path, os.X_OK):
        pytest.fail("no program to test: pass --program or set TEXTMEND_PROGRAM")
    workdir = tempfile.mkdtemp(prefix="textmend-case-")
    driver = LinuxDriver(desktop_with_tray, workdir, os.path.abspath(path))
    yield driver
    driver.kill()
    errors = driver.program_errors()
    shutil.rmtree(workdir, ignore_errors=True)
    if errors:
        pytest.fail("the program reported errors:\n" + errors)
