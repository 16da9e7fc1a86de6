# SPDX-License-Identifier: GPL-3.0-or-later
"""What the benchmarks that run the real program share: a copy of the example station of its
own, the command line that serves it, and the program's resident memory."""
import contextlib, os, shutil, tempfile

STATION = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "examples", "station")


@contextlib.contextmanager
def station_copy():
    """(the temporary folder, the station copied into it, the environment to run in): settings
    and temporary files stay in the folder, and no display is used."""
    with tempfile.TemporaryDirectory() as tmp:
        station = os.path.join(tmp, "station")
        shutil.copytree(STATION, station)
        env = dict(os.environ, TMPDIR=tmp, XDG_CONFIG_HOME=tmp)
        env.pop("DISPLAY", None)
        yield tmp, station, env


def command(brevio, tnc, station):
    return [brevio, "--headless", "--tnc", tnc, "--host-folder", station,
            "--program-folder", station]


def rss_kb(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0
