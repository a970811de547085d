// fsync for the harness under node. Under ASYNCIFY emscripten's own fsync
// writes the file's mount back to its store, and the machine's files
// (NODERAWFS) have no mount: it fails. Here it flushes through node.
mergeInto(LibraryManager.library, {
  fd_sync__deps: ['$ERRNO_CODES'],
  fd_sync: function(fd) {
    try {
      require('fs').fsyncSync(SYSCALLS.getStreamFromFD(fd).nfd);
      return 0;
    } catch (error) {
      return error.errno > 0 ? error.errno : ERRNO_CODES[error.code] || {{{ cDefine('EIO') }}};
    }
  },
});
