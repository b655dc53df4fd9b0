// What the game's page and the editor's share: one of our programs run on
// the page's one canvas, the keys and the pointer handed to it, and board
// files fetched, picked or dropped, the board full screen, what changed
// said to assistive technology. situacao tells scripts and embedding pages
// how the program is doing; each page gives it its own name. The build
// joins this file after the facts it shares with the programs (fatos.cpp)
// and textos.js; the facts' 'use strict' holds for it too.
const canvas = document.getElementById('tela');
const situacao = { estado: 'carregando', quadros: 0 };
let programa = null; // the running program's module

// Runs program criar (criar_tabuleiro2, criar_editor) on the canvas with
// the command-line arguments of opcoes.argumentos, in folder opcoes.pasta,
// once every file of opcoes.arquivos (name: bytes, a promise of them, or
// null for no file) is written there. situacao.estado becomes opcoes.ativo
// when it starts and 'terminou' when it ends; opcoes.titulo(text) and
// opcoes.quadro() follow it; at its end, what it printed and the page's
// words opcoes.fim(status) are shown, and opcoes.terminar() runs, if given.
function rodar(criar, opcoes) {
  if (programa) programa.parar();
  Object.assign(situacao, { estado: 'carregando', quadros: 0, saida: undefined });
  const modulo = {
    canvas: canvas,
    onRuntimeInitialized: () => { situacao.estado = opcoes.ativo; },
    quadro: () => {
      if (!situacao.quadros++) {
        situacao.primeiro_quadro = performance.now();
        mostrar_pagina();
      }
      if (opcoes.quadro) opcoes.quadro();
      canvas.dispatchEvent(new Event('quadro'));
    },
    titulo: (novo) => {
      document.title = novo;
      if (opcoes.titulo) opcoes.titulo(novo);
    },
    falhar: (erro) => {
      modulo.parar();
      modulo.printErr(String(erro));
      modulo.onExit(1);
    },
  };
  programa = modulo;
  iniciar(criar, opcoes, modulo, (saida, impresso) => {
    if (programa !== modulo) return;
    canvas.style.cursor = '';
    Object.assign(situacao, { estado: 'terminou', saida: saida });
    if (opcoes.terminar) opcoes.terminar();
    mostrar_fim(impresso + opcoes.fim(saida));
  });
}

// Every run of a program, on the canvas or not: criar starts it on module
// modulo with the arguments, folder and files of opcoes (as rodar's);
// terminar(status, what it printed) once it ends.
function iniciar(criar, opcoes, modulo, terminar) {
  let impresso = '';
  const imprimir = (linha) => { impresso += linha + '\n'; };
  criar(Object.assign(modulo, {
    arguments: opcoes.argumentos || [],
    print: imprimir,
    printErr: imprimir,
    preRun: [preparar(opcoes.pasta || '/', opcoes.arquivos || {})],
    instantiateWasm: instanciar,
    onExit: (saida) => terminar(saida, impresso),
  }));
}

// The running program's module: loaded and not ended; null otherwise.
function em_execucao() {
  return programa && situacao.estado !== 'carregando' && situacao.estado !== 'terminou' ? programa : null;
}

// The page's words and controls wait for the program's first frame
// (pagina.css), and so does what the page's own script leaves for then
// with quando_mostrada(fn): its words translated, its listeners. Shown at
// the first frame or a program's end, at the latest two seconds after the
// page loaded, if no program shows one.
let ao_mostrar = [];
function quando_mostrada(fn) {
  if (ao_mostrar) ao_mostrar.push(fn);
  else fn();
}
function mostrar_pagina() {
  if (!ao_mostrar) return;
  const pendentes = ao_mostrar;
  ao_mostrar = null;
  for (const fn of pendentes) fn();
  document.documentElement.classList.remove('carregando');
}
addEventListener('load', () => setTimeout(mostrar_pagina, 2000), { once: true });

// The end of a run, shown and said; the page comes back from full screen
// to show it.
function mostrar_fim(frase) {
  mostrar_pagina();
  document.getElementById('saida').textContent = frase;
  document.getElementById('fim').hidden = false;
  anunciar(frase);
  sair_da_tela_cheia();
}

// A program whose code traps (a fault the browser catches) ends with
// status 1 and the error after what it printed, as emscripten ends a main
// that throws, rather than leaving the page on a game that never comes.
function ouvir_falhas() {
  const parou = (erro) => {
    if (erro instanceof WebAssembly.RuntimeError && programa && situacao.estado !== 'terminou') programa.falhar(erro);
  };
  addEventListener('error', (e) => parou(e.error));
  addEventListener('unhandledrejection', (e) => parou(e.reason));
}
ouvir_falhas();

// The page's program, compiled as the page loaded (compilado), instantiated
// for one run with the module's imports.
function instanciar(importacoes, pronto) {
  compilado.then((m) => WebAssembly.instantiate(m, importacoes).then((i) => pronto(i, m)));
  return {};
}

// A program's preRun: it starts in folder pasta once the files are there,
// the images in the root.
function preparar(pasta, arquivos) {
  return (m) => {
    m.addRunDependency('arquivos');
    m.FS.mkdirTree(pasta);
    m.FS.chdir(pasta);
    const escritos = Object.entries(arquivos).map(async ([arquivo, bytes]) => {
      const b = await bytes;
      if (b) m.FS.writeFile(arquivo, b);
    });
    escritos.push(imagens.then((lista) => lista.forEach(([imagem, b]) => m.FS.writeFile('/' + imagem, b))));
    Promise.all(escritos).then(() => m.removeRunDependency('arquivos'));
  };
}

// What another of our programs prints when run to its end, with no canvas,
// on a file; resolves to [status, text].
function consultar(criar, argumentos, pasta, arquivos) {
  return new Promise((pronto) => iniciar(criar, { argumentos, pasta, arquivos }, {},
    (saida, impresso) => pronto([saida, impresso])));
}

// A board's cells, row by row, as a link and a draft carry them.
const UM_TABULEIRO = new RegExp(`^[0-${ULTIMA_CELULA}]{${CELULAS}}$`);

// The board file of the cells of linha (UM_TABULEIRO's), a line a row.
function tabuleiro_das_celulas(linha) {
  return new TextEncoder().encode(linha.match(new RegExp(`.{${LARGURA_TABULEIRO}}`, 'g')).join('\n') + '\n');
}

// The file at url (relative to the page) as bytes, the page's head's
// request for it if there is one; null when it cannot be had.
async function buscar(url) {
  const pedido = pedidos.get(url) || fetch(url);
  pedidos.delete(url);
  try {
    const resposta = await pedido;
    return resposta.ok ? new Uint8Array(await resposta.arrayBuffer()) : null;
  } catch (e) {
    return null;
  }
}

// Key nome_da_tecla (a name in TECLAS, from fatos.cpp) pressed (1) or released, with the
// character it types (0: none), to the running program; a key not in
// TECLAS, to none.
function tecla(nome_da_tecla, caractere, pressionada) {
  const em_curso = em_execucao();
  if (em_curso && Object.hasOwn(TECLAS, nome_da_tecla))
    em_curso._web_tecla(TECLAS[nome_da_tecla], caractere, pressionada);
}

// Every key to the program with no click first; those of sem_efeito (names
// of TECLAS) do nothing else on the page (no scrolling, no browser's save).
// In full screen Esc is the browser's: it brings the page back, and the
// program never sees it.
function ouvir_teclado(sem_efeito) {
  const tratar = (evento, pressionada) => {
    if (evento.code === 'Escape' && document.fullscreenElement) {
      if (pressionada) sair_da_tela_cheia();
      return evento.preventDefault();
    }
    const caractere = evento.key.length === 1 ? evento.key.charCodeAt(0) : 0;
    tecla(evento.code, caractere, pressionada);
    if (sem_efeito.has(evento.code)) evento.preventDefault();
  };
  window.addEventListener('keydown', (e) => tratar(e, 1));
  window.addEventListener('keyup', (e) => tratar(e, 0));
}

// The pointer on the canvas, in the screen's own pixels whatever the page's
// scaling, to the program; a drag goes on outside the canvas, as a window's.
function ouvir_ponteiro() {
  const tratar = (evento) => {
    const em_curso = em_execucao();
    if (!em_curso) return;
    const caixa = canvas.getBoundingClientRect();
    const x = Math.floor((evento.clientX - caixa.left) * canvas.width / caixa.width);
    const y = Math.floor((evento.clientY - caixa.top) * canvas.height / caixa.height);
    em_curso._web_rato(x, y, evento.buttons & 7); // left 1, right 2, middle 4, as Allegro's
  };
  canvas.addEventListener('pointerdown', (e) => { canvas.setPointerCapture(e.pointerId); tratar(e); });
  for (const tipo of ['pointermove', 'pointerup', 'pointercancel']) canvas.addEventListener(tipo, tratar);
  canvas.addEventListener('contextmenu', (e) => e.preventDefault());
}

// Buttons of the page with data-tecla (a name of TECLAS) act as that key,
// held while pressed.
function ouvir_botoes(botoes) {
  for (const botao of botoes) {
    const nome_da_tecla = botao.dataset.tecla;
    botao.addEventListener('pointerdown', (e) => { e.preventDefault(); tecla(nome_da_tecla, 0, 1); });
    for (const tipo of ['pointerup', 'pointercancel', 'pointerleave'])
      botao.addEventListener(tipo, () => tecla(nome_da_tecla, 0, 0));
  }
}

// A board file of the player's, picked in input#arquivo or dropped on the
// page: receber(its name, its bytes). A board is 204 bytes; a file past a
// megabyte is some other file, refused before it fills the tab's memory.
function ouvir_arquivos(receber) {
  const ler = async (arquivo) => {
    if (!arquivo) return;
    if (arquivo.size > 1 << 20) alert(texto('grande', arquivo.name, arquivo.size));
    else receber(arquivo.name, new Uint8Array(await arquivo.arrayBuffer()));
  };
  document.getElementById('arquivo').addEventListener('change', (e) => ler(e.target.files[0]));
  document.body.addEventListener('dragover', (e) => { e.preventDefault(); document.body.classList.add('arrastando'); });
  document.body.addEventListener('dragleave', () => document.body.classList.remove('arrastando'));
  document.body.addEventListener('drop', (e) => {
    e.preventDefault();
    document.body.classList.remove('arrastando');
    ler(e.dataTransfer.files[0]);
  });
}

// Says frase in the page's live region, for assistive technology.
function anunciar(frase) {
  document.getElementById('anuncio').textContent = frase;
}

function sair_da_tela_cheia() {
  if (document.fullscreenElement) document.exitFullscreen().catch(() => {});
}

// Button botao puts elemento full screen and brings it back; it is pressed
// while in full screen. Hidden where the browser has no element full
// screen (an iPhone's Safari) or allows none here (a frame).
function ouvir_tela_cheia(botao, elemento) {
  botao.hidden = !elemento.requestFullscreen || !document.fullscreenEnabled;
  botao.addEventListener('click', () => {
    if (document.fullscreenElement) sair_da_tela_cheia();
    else elemento.requestFullscreen().catch(() => {});
  });
  document.addEventListener('fullscreenchange', () =>
    botao.setAttribute('aria-pressed', document.fullscreenElement === elemento));
}

// A standard gamepad's d-pad (buttons 12 to 15) and left stick act as the
// arrows, Start (9) as Esc, held while held; read at every animation frame
// while one is connected, and never otherwise, nor where the browser has none.
const BOTOES_CONTROLE = [[12, 'ArrowUp'], [13, 'ArrowDown'], [14, 'ArrowLeft'], [15, 'ArrowRight'], [9, 'Escape']];
const EIXO_INCLINADO = 0.5;
function ouvir_controle() {
  let segurados = new Set(), lendo = false;
  const ler = () => {
    const controles = [...navigator.getGamepads()].filter((c) => c);
    const agora = new Set();
    for (const c of controles) {
      for (const [b, nome_da_tecla] of BOTOES_CONTROLE) if (c.buttons[b] && c.buttons[b].pressed) agora.add(nome_da_tecla);
      const [x = 0, y = 0] = c.axes;
      if (x < -EIXO_INCLINADO) agora.add('ArrowLeft');
      if (x > EIXO_INCLINADO) agora.add('ArrowRight');
      if (y < -EIXO_INCLINADO) agora.add('ArrowUp');
      if (y > EIXO_INCLINADO) agora.add('ArrowDown');
    }
    for (const t of segurados) if (!agora.has(t)) tecla(t, 0, 0);
    for (const t of agora) if (!segurados.has(t)) tecla(t, 0, 1);
    segurados = agora;
    lendo = controles.length > 0;
    if (lendo) requestAnimationFrame(ler);
  };
  if (!navigator.getGamepads) return;
  window.addEventListener('gamepadconnected', () => {
    if (!lendo) requestAnimationFrame(ler);
    lendo = true;
  });
}
