#!/usr/bin/python3
# A slow volume, as a shared drive answers: mirrors a folder (read only) through FUSE and
# answers every look-up and listing `delay` seconds late, from several threads at once.
#   slow_volume.py SOURCE MOUNTPOINT DELAY
import os
import sys
import time

from fusepy import FUSE, FuseOSError, Operations


class SlowMirror(Operations):
    def __init__(self, root, delay):
        self.root = root
        self.delay = delay

    def _path(self, path):
        return self.root + path

    def getattr(self, path, fh=None):
        time.sleep(self.delay)
        try:
            st = os.lstat(self._path(path))
        except OSError as e:
            raise FuseOSError(e.errno)
        return {k: getattr(st, k) for k in ('st_atime', 'st_ctime', 'st_gid', 'st_mode',
                                            'st_mtime', 'st_nlink', 'st_size', 'st_uid')}

    def readdir(self, path, fh):
        time.sleep(self.delay)
        return ['.', '..'] + os.listdir(self._path(path))

    def statfs(self, path):
        st = os.statvfs(self._path(path))
        return {k: getattr(st, k) for k in ('f_bavail', 'f_bfree', 'f_blocks', 'f_bsize',
                                            'f_favail', 'f_ffree', 'f_files', 'f_flag',
                                            'f_frsize', 'f_namemax')}


if __name__ == '__main__':
    FUSE(SlowMirror(sys.argv[1], float(sys.argv[3])), sys.argv[2], foreground=True,
         nothreads=False, ro=True, attr_timeout=0, entry_timeout=0, negative_timeout=0)
