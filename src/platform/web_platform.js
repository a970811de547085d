// The page's side of WebPlatform (web_platform.cpp): the canvas, the
// keyboard, the waits, Web Audio and the browser's storage.
mergeInto(LibraryManager.library, {
  $VelaWeb: {
    keys: [],          // key bytes not yet taken by the game
    held: null,        // paced: each typed key's bytes, not yet let through
    wakeUp: null,      // ends the game's current wait
    timer: 0,
    context: null,     // the canvas's 2D context
    scale: 0,          // the canvas's size on the page, in whole steps
    audio: null,       // the AudioContext, made with the first key
    tune: null,        // {buffer, source, wanted} of the open tune

    // The bytes the window's keyboard gives for a key, or null for a key the
    // game does not read. Layouts and input methods change what e.key says;
    // a letter or digit the page cannot read from it (a Korean input method
    // says "Process") is taken from the key's place, e.code, as on a US
    // keyboard.
    keyBytes: function(e) {
      var named = {ArrowUp: [0, 72], ArrowDown: [0, 80], ArrowLeft: [0, 75], ArrowRight: [0, 77],
                   Enter: [13], NumpadEnter: [13], Escape: [27], Backspace: [8], Tab: [9]};
      if (named[e.code]) return named[e.code];
      if (e.altKey || e.ctrlKey || e.metaKey) return null;
      var numpad = /^Numpad([0-9])$/.exec(e.code);
      if (numpad) return [48 + +numpad[1]];
      if (e.key.length == 1 && e.key.charCodeAt(0) >= 32 && e.key.charCodeAt(0) < 127) return [e.key.charCodeAt(0)];
      var letter = /^Key([A-Z])$/.exec(e.code);
      if (letter) {
        var upper = e.shiftKey != e.getModifierState('CapsLock');
        return [(upper ? letter[1] : letter[1].toLowerCase()).charCodeAt(0)];
      }
      var digit = /^Digit([0-9])$/.exec(e.code);
      if (digit) return [(e.shiftKey ? ')!@#$%^&*(' : '0123456789').charCodeAt(+digit[1])];
      if (e.code == 'Space') return [32];
      return null;
    },

    // F10 steps the canvas through the sizes that fit the page: 1x, 2x, ...
    stepScale: function(canvas) {
      var fitting = Math.max(1, Math.floor(Math.min(window.innerWidth / 640, window.innerHeight / 480)));
      VelaWeb.scale = VelaWeb.scale % fitting + 1;
      canvas.style.width = 640 * VelaWeb.scale + 'px';
      canvas.style.height = 480 * VelaWeb.scale + 'px';
    },

    toggleFullscreen: function(canvas) {
      if (document.fullscreenElement) document.exitFullscreen();
      else if (canvas.requestFullscreen) canvas.requestFullscreen();
    },

    // F12: the canvas as "vela-<date>-<time>.png" in the downloads.
    downloadShot: function(canvas) {
      var now = new Date(), two = function(n) { return (n < 10 ? '0' : '') + n; };
      var name = 'vela-' + now.getFullYear() + two(now.getMonth() + 1) + two(now.getDate()) + '-' +
                 two(now.getHours()) + two(now.getMinutes()) + two(now.getSeconds()) + '.png';
      canvas.toBlob(function(blob) {
        var link = document.createElement('a');
        link.href = URL.createObjectURL(blob);
        link.download = name;
        link.click();
        setTimeout(function() { URL.revokeObjectURL(link.href); }, 1000);
      });
    },

    onKey: function(e) {
      var canvas = Module['canvas'];
      if (!VelaWeb.audio && window.AudioContext) VelaWeb.audio = new AudioContext();
      if (VelaWeb.audio && VelaWeb.audio.state == 'suspended') VelaWeb.audio.resume();
      var windowKey = e.code == 'F11' || (e.altKey && (e.code == 'Enter' || e.code == 'NumpadEnter'))
                      ? VelaWeb.toggleFullscreen
                      : e.code == 'F10' ? VelaWeb.stepScale : e.code == 'F12' ? VelaWeb.downloadShot : null;
      var bytes = windowKey ? null : VelaWeb.keyBytes(e);
      if (!windowKey && !bytes) return;  // the browser's own keys: reload, tabs, ...
      e.preventDefault();
      if (windowKey) return windowKey(canvas);
      if (VelaWeb.held) VelaWeb.held.push(bytes);
      else VelaWeb.keys.push.apply(VelaWeb.keys, bytes);
      VelaWeb.wake();
    },

    wake: function() {
      var wakeUp = VelaWeb.wakeUp;
      if (!wakeUp) return;
      VelaWeb.wakeUp = null;
      Module['waitingForKey'] = false;
      clearTimeout(VelaWeb.timer);
      wakeUp();
    },

  },

  vela_web_start__deps: ['$VelaWeb'],
  vela_web_start: function() {
    var canvas = Module['canvas'];
    canvas.width = 640;
    canvas.height = 480;
    VelaWeb.context = canvas.getContext('2d');
    VelaWeb.stepScale(canvas);
    while (VelaWeb.scale < Math.floor(Math.min(window.innerWidth / 640, window.innerHeight / 480)))
      VelaWeb.stepScale(canvas);
    window.addEventListener('keydown', VelaWeb.onKey);
    // A page opened with "?paced" (the browser test) holds typed keys and
    // lets one through at each poll where the game waits, as the harness
    // delivers its key script: the same keys then mean the same moves.
    if (new URLSearchParams(location.search).has('paced')) VelaWeb.held = [];
  },

  vela_web_waiting_poll__deps: ['$VelaWeb'],
  vela_web_waiting_poll: function() {
    if (VelaWeb.held && VelaWeb.held.length && !VelaWeb.keys.length)
      VelaWeb.keys.push.apply(VelaWeb.keys, VelaWeb.held.shift());
  },

  // Mounts the browser's storage at folder and reads what it keeps there.
  // Refused storage (a private window) leaves the folder empty; every fsync
  // there then fails, so saving says it could not.
  vela_web_open_storage__deps: ['$FS', '$IDBFS'],
  vela_web_open_storage: function(folder) {
    Asyncify.handleSleep(function(wakeUp) {
      folder = UTF8ToString(folder);
      FS.mkdir(folder);
      FS.mount(IDBFS, {}, folder);
      if (!window.indexedDB) return wakeUp();  // IDBFS would end the program
      FS.syncfs(true, function(error) {
        if (error) console.error('vela: the browser keeps no saved games here: ' + error);
        wakeUp();
      });
    });
  },

  // fsync. Under ASYNCIFY emscripten's own writes the file's mount back to
  // its store (IDBFS: the browser's storage), but reports a store that
  // failed as success; this one says EIO, and the save says it failed.
  fd_sync: function(fd) {
    var stream;
    try {
      stream = SYSCALLS.getStreamFromFD(fd);
    } catch (error) {
      return error.errno;
    }
    return Asyncify.handleSleep(function(wakeUp) {
      var mount = stream.node.mount;
      if (!mount.type.syncfs) return wakeUp(0);
      if (!window.indexedDB) return wakeUp({{{ cDefine('EIO') }}});
      mount.type.syncfs(mount, false, function(error) { wakeUp(error ? {{{ cDefine('EIO') }}} : 0); });
    });
  },

  vela_web_next_key__deps: ['$VelaWeb'],
  vela_web_next_key: function() {
    return VelaWeb.keys.length ? VelaWeb.keys.shift() : -1;
  },

  // Returns to the browser until a key arrives or timeoutMs passes (never,
  // when it is negative): no timer runs while the game waits for a key.
  vela_web_wait__deps: ['$VelaWeb'],
  vela_web_wait: function(timeoutMs) {
    // handleSleep also ends the wait when the game is resumed: it must be
    // called every time, and a key already there ends the wait at once.
    Asyncify.handleSleep(function(wakeUp) {
      if (VelaWeb.keys.length || (VelaWeb.held && VelaWeb.held.length)) return wakeUp();
      VelaWeb.wakeUp = wakeUp;
      // Whether the game waits for a key with nothing else to do: the
      // browser test reads the canvas then.
      Module['waitingForKey'] = timeoutMs < 0;
      if (timeoutMs >= 0) VelaWeb.timer = setTimeout(VelaWeb.wake, timeoutMs);
    });
  },

  // Rows top .. bottom - 1 of the RGBA canvas pixels at rows.
  vela_web_present__deps: ['$VelaWeb'],
  vela_web_present: function(rows, top, bottom) {
    if (!Module['firstFrameMs']) Module['firstFrameMs'] = performance.now();  // for docs/BENCHMARKS.md
    var bytes = new Uint8ClampedArray(HEAPU8.buffer, rows + top * 640 * 4, (bottom - top) * 640 * 4);
    VelaWeb.context.putImageData(new ImageData(bytes, 640, bottom - top), 0, top);
  },

  vela_web_tone__deps: ['$VelaWeb'],
  vela_web_tone: function(frequency, ms) {
    var audio = VelaWeb.audio;
    if (!audio) return;
    var tone = audio.createOscillator(), gain = audio.createGain();
    tone.type = 'square';
    tone.frequency.value = frequency;
    gain.gain.value = 0.1;
    tone.connect(gain).connect(audio.destination);
    tone.start();
    tone.stop(audio.currentTime + ms / 1000);
  },

  vela_web_message: function(caption, text) {
    var box = document.getElementById('message');
    if (!box) return;
    box.textContent = '[' + UTF8ToString(caption) + '] ' + UTF8ToString(text);
    box.hidden = false;
  },

  // The browser decodes the tune itself, after the call returns; a play
  // asked for before that starts once it is decoded.
  vela_web_music_open__deps: ['$VelaWeb', '$FS', 'vela_web_music_stop'],
  vela_web_music_open: function(path) {
    _vela_web_music_stop();
    var bytes;
    try {
      bytes = FS.readFile(UTF8ToString(path));
    } catch (error) {
      return 0;
    }
    if (bytes.length < 4 || String.fromCharCode(bytes[0], bytes[1], bytes[2], bytes[3]) != 'OggS') return 0;
    var tune = VelaWeb.tune = {buffer: null, source: null, wanted: false};
    if (!VelaWeb.audio && window.AudioContext) VelaWeb.audio = new AudioContext();
    if (!VelaWeb.audio) return 1;
    VelaWeb.audio.decodeAudioData(bytes.slice().buffer).then(function(buffer) {
      tune.buffer = buffer;
      if (tune.wanted && VelaWeb.tune == tune) _vela_web_music_play();
    }, function() {});
    return 1;
  },

  vela_web_music_play__deps: ['$VelaWeb'],
  vela_web_music_play: function() {
    var tune = VelaWeb.tune;
    if (!tune) return;
    tune.wanted = true;
    if (!tune.buffer || tune.source) return;
    tune.source = VelaWeb.audio.createBufferSource();
    tune.source.buffer = tune.buffer;
    tune.source.connect(VelaWeb.audio.destination);
    tune.source.start();
  },

  vela_web_music_stop__deps: ['$VelaWeb'],
  vela_web_music_stop: function() {
    var tune = VelaWeb.tune;
    VelaWeb.tune = null;
    if (tune && tune.source) tune.source.stop();
  },
});
