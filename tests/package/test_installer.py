"""The Windows installer under Wine: a silent installation for the current user
with "Start Textmend when I sign in" chosen (/AUTOSTART), the installed program
run from there, and the silent uninstaller. The cases run in order, on one
installation."""

import os
import shutil
import zipfile

import pytest

from desktop import wait_until
from driver import SETTING_KEYS
from wine_driver import RUN_KEY, SETTINGS_KEY, WineDriver, reg_values, stored_values

CURRENT_VERSION = r"HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion"
UNINSTALL_KEY = CURRENT_VERSION + r"\Uninstall\Textmend"


def windows_folder(wine, variable):
    return wine.run("cmd", "/c", f"echo %{variable}%").strip()


def host_path(wine, path):
    return wine.run("winepath", "-u", path).strip()


@pytest.fixture(scope="module")
def installation(wine, option):
    """Where the installer put the program: (Windows path, host path)."""
    folder = windows_folder(wine, "LOCALAPPDATA") + r"\Programs\Textmend"
    # What an earlier run may have left in this prefix.
    shutil.rmtree(host_path(wine, folder), ignore_errors=True)
    for key in (UNINSTALL_KEY, SETTINGS_KEY):
        wine.run("reg", "delete", key, "/f", check=False)
    wine.run("reg", "delete", RUN_KEY, "/v", "Textmend", "/f", check=False)

    wine.run(option("--installer"), "/S", "/AUTOSTART")
    return folder, host_path(wine, folder)


def shortcut(wine):
    return host_path(wine, windows_folder(wine, "APPDATA")
                     + r"\Microsoft\Windows\Start Menu\Programs\Textmend.lnk")


def test_installs_for_the_user_with_start_menu_entry_and_uninstaller(wine, installation,
                                                                      option):
    folder, host_folder = installation
    assert sorted(os.listdir(host_folder)) == [
        "LICENSE.txt", "textmend-filter.exe", "textmend.exe", "uninstall.exe"]
    assert os.path.isfile(shortcut(wine))
    registered = reg_values(wine, UNINSTALL_KEY)
    assert registered["DisplayName"] == "Textmend"
    assert registered["DisplayVersion"] == option("--version-expected")
    assert registered["InstallLocation"] == folder
    assert registered["UninstallString"] == f'"{folder}\\uninstall.exe"'
    assert registered["QuietUninstallString"] == f'"{folder}\\uninstall.exe" /S'
    assert reg_values(wine, RUN_KEY)["Textmend"] == f'"{folder}\\textmend.exe"'


def test_the_installed_program_starts_and_writes_its_settings(wine_desktop, wine, installation,
                                                              workdir, option):
    folder, _ = installation
    program = WineDriver(wine_desktop, workdir, folder + r"\textmend.exe", wine,
                         option("--wine-helper"))
    program.start()
    program.wait_window_state("normal")
    program.close_by_close_box()
    assert sorted(program.stored_settings()) == sorted(SETTING_KEYS)


def test_the_uninstaller_removes_its_files_and_entries_and_keeps_the_settings(wine,
                                                                             installation,
                                                                             option):
    folder, host_folder = installation
    settings = stored_values(wine, option("--wine-helper"))
    assert sorted(settings) == sorted(SETTING_KEYS)
    wine.run(folder + r"\uninstall.exe", "/S")
    # The uninstaller runs on from a copy of itself and removes the folder last.
    wait_until(lambda: not os.path.exists(host_folder), timeout=60,
               what="the uninstaller to remove the program's folder")
    assert not os.path.exists(shortcut(wine))
    assert reg_values(wine, UNINSTALL_KEY) == {}
    assert "Textmend" not in reg_values(wine, RUN_KEY)
    assert stored_values(wine, option("--wine-helper")) == settings


def test_the_zip_holds_both_programs_and_the_licence(option):
    folder = f"textmend-{option('--version-expected')}-win64/"
    with zipfile.ZipFile(option("--zip")) as archive:
        assert sorted(archive.namelist()) == [
            folder + "LICENSE.txt", folder + "textmend-filter.exe", folder + "textmend.exe"]
