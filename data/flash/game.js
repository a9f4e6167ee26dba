/*
 * game.js: what every maths game page in this folder shares.
 *
 * A page links game.css and this file, keeps its playing area in
 * <div id="stage">...</div>, and sets the game up with one call:
 *
 *   var kit = Kit.game({
 *     rules: "一行规则",          // shown on the start screen
 *     levels: true,               // 简单, 普通, 困难; false: one 开始 button
 *     timeLimit: 60000,           // ms, or function (level); 0 or absent: the
 *                                 // bar shows the time used instead of the time left
 *     scoreName: "得分",          // the label of the score in the bar
 *     begin: function (level) {}, // set up a fresh round of level 1..3
 *     tick: function (ms) {},     // the game clock moved on by ms (at most 50)
 *     draw: function () {},       // optional: repaint after the clock moved
 *     timeUp: function () {},     // optional: the time limit was reached; it
 *                                 // must call kit.finish (the default finishes
 *                                 // with the score)
 *     keydown: function (e) {},   // a key during play; return true if used
 *     solveStep: function () {},  // one move of a perfect player, see below
 *     state: function () {},      // optional: more fields for game.state()
 *     api: {}                     // optional: more methods for window.game
 *   });
 *
 * The game reads time only through the kit's clock: kit.time is the time
 * played so far in ms, kit.left() the time still left. In real play a
 * timer moves the clock; a test moves it by hand with game.tick(ms).
 * Everything that depends on time (time limits, waits, flying balls) must
 * be driven from the tick callback, never from Date or setTimeout.
 *
 * The kit also offers:
 *   kit.level          the level being played, 1..3
 *   kit.score          the score shown in the bar; kit.setScore(n), kit.addScore(n)
 *   kit.playing()      true while the play screen is up
 *   kit.finish(r)      ends the round; r = { result: "一句话的成绩",
 *                      title: "称号", praise: "一句鼓励", stars: 1..5,
 *                      details: [["答对", "18 题"], ...] } (all but result optional)
 *   kit.sound(name)    "good", "bad", "tick", "end"; silent unless the
 *                      player switched 声音 on (it is off by default)
 *   kit.status(text)   replaces the free text at the right of the bar
 *   Kit.randInt(a, b), Kit.pick(list), Kit.shuffle(list)   use Math.random
 *   Kit.sum(level)     a mental-arithmetic question for the level:
 *                      { text: "7 + 8", answer: 15, op: "+" }; level 1 adds
 *                      and subtracts within 20, level 2 adds and subtracts
 *                      within 100 and uses the times table (× and ÷),
 *                      level 3 two-digit sums and differences, two-digit
 *                      times one-digit numbers and the divisions back.
 *                      No result is negative, every division comes out even.
 *   Kit.nearby(answer, count)  count different wrong answers close to
 *                      answer (off by 1, 2, 3 or 10), none negative
 *
 * The screens: a start screen (name, one line of rules, the level buttons;
 * Enter starts the level that has the focus, keys 1, 2, 3 move the focus),
 * the play screen, and the result panel over the stage, which keeps the
 * result in view; its 再来一次 button (the same level again) takes the
 * focus only after a short pause, so an Enter meant for the last move
 * cannot wipe the result away.
 *
 * The testing contract, the same on every game page (window.game):
 *   game.start(level)  skips the start screen and begins play at level 1..3
 *   game.state()       { screen: "start" | "play" | "end", score: number,
 *                        result: string (not empty on the end screen),
 *                        level: number, time: ms played, ...game fields }
 *   game.tick(ms)      moves the game clock on by ms (in steps of 50 ms)
 *   game.solveStep()   makes one correct move as a perfect player would
 *                      (answers the question, hits the right target,
 *                      types the right key) and returns true; returns
 *                      false when there is nothing to do right now, for
 *                      instance while the game waits or a ball is in
 *                      flight, so that the caller ticks the clock on
 *   game.autoClock(on) false stops the timer that moves the clock in real
 *                      play, so that only tick() moves it
 * Puzzle games add game.puzzle() (the board as plain data) and
 * game.move(...) (one move; false for an illegal one); each page says
 * what they take and give.
 */
(function () {
  "use strict";

  var STEP_MS = 50;          // the longest single step of the game clock
  var RESULT_PAUSE_MS = 1200; // before 再来一次 may take an Enter
  var LEVEL_NAMES = ["简单", "普通", "困难"];

  function el(tag, className, text) {
    var node = document.createElement(tag);
    if (className) {
      node.className = className;
    }
    if (text !== undefined) {
      node.textContent = text;
    }
    return node;
  }

  function button(text, className) {
    var b = el("button", className || "btn", text);
    b.type = "button";
    return b;
  }

  // -- sounds: a few short tones made on the spot, nothing loaded --
  var audio = null;
  var soundOn = false;

  function tone(freq, start, length, volume) {
    var now = audio.currentTime + start;
    var osc = audio.createOscillator();
    var gain = audio.createGain();
    osc.type = "sine";
    osc.frequency.value = freq;
    gain.gain.setValueAtTime(0.0001, now);
    gain.gain.exponentialRampToValueAtTime(volume, now + 0.02);
    gain.gain.exponentialRampToValueAtTime(0.0001, now + length);
    osc.connect(gain);
    gain.connect(audio.destination);
    osc.start(now);
    osc.stop(now + length + 0.05);
  }

  function playSound(name) {
    if (!soundOn) {
      return;
    }
    try {
      if (!audio) {
        var Ctx = window.AudioContext || window.webkitAudioContext;
        if (!Ctx) {
          return;
        }
        audio = new Ctx();
      }
      if (name === "good") {
        tone(660, 0, 0.12, 0.2);
        tone(880, 0.1, 0.18, 0.2);
      } else if (name === "bad") {
        tone(220, 0, 0.25, 0.2);
      } else if (name === "tick") {
        tone(520, 0, 0.06, 0.12);
      } else if (name === "end") {
        tone(523, 0, 0.15, 0.2);
        tone(659, 0.15, 0.15, 0.2);
        tone(784, 0.3, 0.3, 0.2);
      }
    } catch (e) {
      // No sound is better than a broken game.
    }
  }

  function formatTime(ms) {
    var s = Math.max(0, Math.ceil(ms / 1000 - 1e-9));
    var m = Math.floor(s / 60);
    s = s % 60;
    return m + ":" + (s < 10 ? "0" : "") + s;
  }

  function randInt(low, high) {
    return low + Math.floor(Math.random() * (high - low + 1));
  }

  function pick(list) {
    return list[Math.floor(Math.random() * list.length)];
  }

  function shuffle(list) {
    for (var i = list.length - 1; i > 0; i--) {
      var j = Math.floor(Math.random() * (i + 1));
      var t = list[i];
      list[i] = list[j];
      list[j] = t;
    }
    return list;
  }

  function setup(cfg) {
    var stage = document.getElementById("stage");
    var name = cfg.name || document.title;
    var hasLevels = cfg.levels !== false;

    // -- the frame: bar, main area with the stage and the two covers --
    var frame = el("div", "kit");
    var bar = el("div", "kit-bar");
    var nameBox = el("span", "kit-name", name);
    var levelBox = el("span", "kit-stat kit-levelname");
    var scoreBox = el("span", "kit-stat");
    var scoreLabel = document.createTextNode((cfg.scoreName || "得分") + " ");
    var scoreValue = el("b", "", "0");
    scoreBox.appendChild(scoreLabel);
    scoreBox.appendChild(scoreValue);
    var timeBox = el("span", "kit-stat");
    var timeLabel = document.createTextNode("用时 ");
    var timeValue = el("b", "", "0:00");
    timeBox.appendChild(timeLabel);
    timeBox.appendChild(timeValue);
    var statusBox = el("span", "kit-stat kit-status");
    var soundButton = button("声音：关", "kit-sound");
    soundButton.setAttribute("aria-pressed", "false");
    soundButton.title = "打开或关上游戏的声音";
    bar.appendChild(nameBox);
    bar.appendChild(levelBox);
    bar.appendChild(statusBox);
    bar.appendChild(scoreBox);
    bar.appendChild(timeBox);
    bar.appendChild(soundButton);

    var main = el("div", "kit-main");
    var startCover = el("div", "kit-cover kit-start");
    var endCover = el("div", "kit-cover kit-end hidden");
    endCover.setAttribute("tabindex", "-1");

    stage.parentNode.insertBefore(frame, stage);
    frame.appendChild(bar);
    frame.appendChild(main);
    main.appendChild(stage);
    main.appendChild(startCover);
    main.appendChild(endCover);

    // start screen
    startCover.appendChild(el("h1", "kit-title", name));
    startCover.appendChild(el("p", "kit-rules", cfg.rules || ""));
    var levelRow = el("div", "kit-levels");
    var levelButtons = [];
    var chosenLevel = 1;
    if (hasLevels) {
      for (var i = 0; i < 3; i++) {
        var lb = button(LEVEL_NAMES[i], "btn kit-level");
        lb.setAttribute("data-level", String(i + 1));
        lb.addEventListener("click", (function (n) {
          return function () { startPlay(n); };
        })(i + 1));
        levelButtons.push(lb);
        levelRow.appendChild(lb);
      }
    } else {
      var sb = button("开始", "btn kit-level");
      sb.addEventListener("click", function () { startPlay(1); });
      levelButtons.push(sb);
      levelRow.appendChild(sb);
    }
    startCover.appendChild(levelRow);
    startCover.appendChild(el("p", "kit-hint",
      hasLevels ? "点一个难度就开始，也可以按回车键。" : "点“开始”，也可以按回车键。"));

    // result panel
    var endTitle = el("div", "kit-end-title");
    var endStars = el("div", "kit-stars");
    var endResult = el("div", "kit-result");
    var endPraise = el("div", "kit-praise");
    var endTable = el("table", "kit-details");
    var endButtons = el("div", "kit-levels");
    var againButton = button("再来一次", "btn");
    var otherButton = button("换难度", "btn light");
    endButtons.appendChild(againButton);
    if (hasLevels) {
      endButtons.appendChild(otherButton);
    }
    endCover.appendChild(endStars);
    endCover.appendChild(endTitle);
    endCover.appendChild(endResult);
    endCover.appendChild(endPraise);
    endCover.appendChild(endTable);
    endCover.appendChild(endButtons);

    // -- the game's life --
    var screen = "start";
    var result = "";
    var resultShownAt = 0;
    var focusTimer = null;
    var realClock = true;
    var lastReal = 0;

    var kit = {
      level: 1,
      score: 0,
      time: 0,
      limit: 0,
      playing: function () { return screen === "play"; },
      left: function () { return kit.limit > 0 ? Math.max(0, kit.limit - kit.time) : Infinity; },
      setScore: function (n) {
        kit.score = n;
        scoreValue.textContent = String(n);
      },
      addScore: function (n) { kit.setScore(kit.score + n); },
      sound: playSound,
      status: function (text) { statusBox.textContent = text || ""; },
      finish: finish
    };

    function showTime() {
      if (kit.limit > 0) {
        timeLabel.textContent = "剩余 ";
        timeValue.textContent = formatTime(kit.left());
      } else {
        timeLabel.textContent = "用时 ";
        timeValue.textContent = formatTime(Math.floor(kit.time / 1000) * 1000);
      }
    }

    function startPlay(level) {
      level = Math.max(1, Math.min(3, Math.round(Number(level) || 1)));
      if (!hasLevels) {
        level = 1;
      }
      chosenLevel = level;
      if (focusTimer !== null) {
        clearTimeout(focusTimer);
        focusTimer = null;
      }
      kit.level = level;
      kit.time = 0;
      var limit = typeof cfg.timeLimit === "function" ? cfg.timeLimit(level) : cfg.timeLimit;
      kit.limit = limit > 0 ? limit : 0;
      kit.setScore(0);
      kit.status("");
      result = "";
      levelBox.textContent = hasLevels ? LEVEL_NAMES[level - 1] : "";
      startCover.classList.add("hidden");
      endCover.classList.add("hidden");
      stage.inert = false;
      if (document.activeElement && document.activeElement.blur) {
        document.activeElement.blur();
      }
      screen = "play";
      showTime();
      cfg.begin(level);
      if (cfg.draw) {
        cfg.draw();
      }
      lastReal = performance.now();
    }

    function advance(ms) {
      ms = Number(ms) || 0;
      while (ms > 0 && screen === "play") {
        var step = Math.min(STEP_MS, ms);
        if (kit.limit > 0) {
          step = Math.min(step, kit.limit - kit.time);
        }
        ms -= step;
        kit.time += step;
        if (cfg.tick) {
          cfg.tick(step);
        }
        if (screen === "play" && kit.limit > 0 && kit.time >= kit.limit) {
          if (cfg.timeUp) {
            cfg.timeUp();
          }
          if (screen === "play") {
            finish({ result: "时间到！" + (cfg.scoreName || "得分") + " " + kit.score });
          }
        }
      }
      if (screen === "play") {
        showTime();
        if (cfg.draw) {
          cfg.draw();
        }
      }
    }

    function finish(r) {
      if (screen !== "play") {
        return;
      }
      r = r || {};
      screen = "end";
      result = r.result || ((cfg.scoreName || "得分") + " " + kit.score);
      showTime();
      if (cfg.draw) {
        cfg.draw();
      }
      endTitle.textContent = r.title || "";
      endTitle.classList.toggle("hidden", !r.title);
      var stars = "";
      if (r.stars) {
        for (var i = 0; i < 5; i++) {
          stars += i < r.stars ? "\u2605" : "\u2606";
        }
      }
      endStars.textContent = stars;
      endStars.classList.toggle("hidden", !stars);
      endResult.textContent = result;
      endPraise.textContent = r.praise || "";
      endPraise.classList.toggle("hidden", !r.praise);
      while (endTable.firstChild) {
        endTable.removeChild(endTable.firstChild);
      }
      var details = r.details || [];
      for (var d = 0; d < details.length; d++) {
        var row = el("tr");
        row.appendChild(el("td", "", details[d][0]));
        row.appendChild(el("td", "", details[d][1]));
        endTable.appendChild(row);
      }
      endTable.classList.toggle("hidden", details.length === 0);
      if (document.activeElement && document.activeElement.blur) {
        document.activeElement.blur();
      }
      stage.inert = true;
      endCover.classList.remove("hidden");
      endCover.scrollTop = 0;
      endCover.focus();
      resultShownAt = performance.now();
      playSound("end");
      if (focusTimer !== null) {
        clearTimeout(focusTimer);
      }
      focusTimer = setTimeout(function () {
        focusTimer = null;
        if (screen === "end") {
          againButton.focus({ preventScroll: true });
        }
      }, RESULT_PAUSE_MS);
    }

    function showStart() {
      screen = "start";
      endCover.classList.add("hidden");
      startCover.classList.remove("hidden");
      levelButtons[Math.min(levelButtons.length, chosenLevel) - 1].focus();
    }

    againButton.addEventListener("click", function () {
      if (screen === "end") {
        startPlay(kit.level);
      }
    });
    otherButton.addEventListener("click", function () {
      if (screen === "end") {
        showStart();
      }
    });
    soundButton.addEventListener("click", function () {
      soundOn = !soundOn;
      soundButton.textContent = soundOn ? "声音：开" : "声音：关";
      soundButton.setAttribute("aria-pressed", soundOn ? "true" : "false");
      soundButton.blur();
      playSound("tick");
    });
    // A mouse click must not leave the focus on the toggle, where a
    // later Space or Enter would switch the sound instead of playing.
    soundButton.addEventListener("mousedown", function (e) { e.preventDefault(); });

    document.addEventListener("keydown", function (e) {
      if (e.isComposing) {
        return;
      }
      var onButton = e.target && e.target.tagName === "BUTTON";
      if (screen === "start") {
        if (e.key >= "1" && e.key <= "3" && hasLevels) {
          levelButtons[Number(e.key) - 1].focus();
          e.preventDefault();
        } else if ((e.key === "ArrowLeft" || e.key === "ArrowRight") && hasLevels) {
          var at = levelButtons.indexOf(document.activeElement);
          var next = at < 0 ? 0 : (at + (e.key === "ArrowRight" ? 1 : 2)) % 3;
          levelButtons[next].focus();
          e.preventDefault();
        } else if (e.key === "Enter" && !onButton) {
          e.preventDefault();
          startPlay(chosenLevel);
        }
        return;
      }
      if (screen === "end") {
        if (e.key === "Enter" || e.key === " ") {
          if (performance.now() - resultShownAt < RESULT_PAUSE_MS) {
            e.preventDefault();
          } else if (!onButton) {
            e.preventDefault();
            startPlay(kit.level);
          }
        }
        return;
      }
      if (cfg.keydown && cfg.keydown(e)) {
        e.preventDefault();
      }
    });

    // The timer of real play: it measures how much time went by and moves
    // the game clock by that much, but never by more than a fifth of a
    // second at once, so a page that was held up does not jump ahead.
    setInterval(function () {
      var now = performance.now();
      var ms = Math.min(200, now - lastReal);
      lastReal = now;
      if (realClock && screen === "play" && !document.hidden && ms > 0) {
        advance(ms);
      }
    }, 40);

    window.game = {
      start: function (level) {
        startPlay(level);
        return true;
      },
      state: function () {
        var s = {
          screen: screen,
          score: kit.score,
          result: screen === "end" ? result : "",
          level: kit.level,
          time: kit.time
        };
        if (cfg.state) {
          var extra = cfg.state();
          for (var k in extra) {
            if (Object.prototype.hasOwnProperty.call(extra, k) && !(k in s)) {
              s[k] = extra[k];
            }
          }
        }
        return s;
      },
      tick: function (ms) {
        advance(ms);
        return screen === "play";
      },
      solveStep: function () {
        if (screen !== "play") {
          return false;
        }
        var moved = !!cfg.solveStep();
        if (moved && cfg.draw && screen === "play") {
          cfg.draw();
        }
        return moved;
      },
      autoClock: function (on) {
        realClock = on !== false;
        lastReal = performance.now();
      }
    };
    if (cfg.api) {
      for (var key in cfg.api) {
        if (Object.prototype.hasOwnProperty.call(cfg.api, key)) {
          window.game[key] = cfg.api[key];
        }
      }
    }

    // The stage under a cover takes neither clicks nor the Tab key.
    stage.inert = true;
    showTime();
    window.focus();
    levelButtons[0].focus();
    return kit;
  }

  // -- questions for the games that practise mental arithmetic --
  var MINUS = "\u2212";
  var TIMES = "\u00d7";
  var DIVIDE = "\u00f7";

  function question(a, op, b, answer) {
    var sign = op === "+" ? "+" : op === "-" ? MINUS : op === "*" ? TIMES : DIVIDE;
    return { text: a + " " + sign + " " + b, answer: answer, op: op, a: a, b: b };
  }

  function sum(level) {
    var a, b, q;
    var op = level === 1 ? pick(["+", "-"]) : pick(["+", "-", "*", "/"]);
    if (level === 1) {
      if (op === "+") {
        a = randInt(2, 18);
        b = randInt(1, 20 - a);
        return question(a, "+", b, a + b);
      }
      a = randInt(5, 20);
      b = randInt(1, a - 1);
      return question(a, "-", b, a - b);
    }
    if (level === 2) {
      if (op === "+") {
        a = randInt(10, 89);
        b = randInt(2, 100 - a);
        return question(a, "+", b, a + b);
      }
      if (op === "-") {
        a = randInt(20, 100);
        b = randInt(2, a - 2);
        return question(a, "-", b, a - b);
      }
      a = randInt(2, 9);
      b = randInt(2, 9);
      return op === "*" ? question(a, "*", b, a * b) : question(a * b, "/", b, a);
    }
    if (op === "+") {
      a = randInt(25, 99);
      b = randInt(25, 99);
      return question(a, "+", b, a + b);
    }
    if (op === "-") {
      a = randInt(100, 199);
      b = randInt(11, 99);
      return question(a, "-", b, a - b);
    }
    q = randInt(11, 25);
    b = randInt(2, 9);
    return op === "*" ? question(q, "*", b, q * b) : question(q * b, "/", b, q);
  }

  function nearby(answer, count) {
    var steps = shuffle([1, -1, 2, -2, 10, -10, 3, -3]);
    var list = [];
    for (var k = 0; list.length < count; k++) {
      var v = k < steps.length ? answer + steps[k] : answer + k;
      if (v >= 0 && v !== answer && list.indexOf(v) < 0) {
        list.push(v);
      }
    }
    return list;
  }

  window.Kit = {
    game: setup,
    randInt: randInt,
    pick: pick,
    shuffle: shuffle,
    formatTime: formatTime,
    sum: sum,
    nearby: nearby
  };
})();
